#pragma once
// Edge snapping of kap windows: a window that comes within 15 pixels of a screen edge (or of the
// task bar's inner edge) lands exactly on it.
#include <optional>

namespace vimo {

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The space the task bar takes on each side of the screen.
struct EdgeReserves {
    int left = 0, top = 0, right = 0, bottom = 0;
};

constexpr int kSnapDistance = 15;

// taskbar: the visible task bar's rectangle, or none.
EdgeReserves TaskbarReserves(const std::optional<ScreenRect>& taskbar, int screenWidth);

struct SnapPoint {
    int x, y;
};

// The snapped position for a proposed (x, y) of a w x h window on a W x H screen.
SnapPoint SnapToEdges(int x, int y, int w, int h, int screenWidth, int screenHeight, const EdgeReserves& reserves);

} // namespace vimo
