#include "kapframe/edge_snap.h"

namespace vimo {

EdgeReserves TaskbarReserves(const std::optional<ScreenRect>& taskbar, int screenWidth) {
    EdgeReserves r;
    if (!taskbar) return r;
    const ScreenRect& t = *taskbar;
    if (t.top > 0 && t.left > 0)
        r.left = t.right - t.left;
    else if (t.top > 0)
        r.bottom = t.bottom - t.top; // at the bottom
    else if (t.left > 0)
        r.right = t.right - t.left; // at the right
    else if (t.right < screenWidth)
        r.left = t.right - t.left; // at the left
    else
        r.top = t.bottom - t.top; // at the top
    return r;
}

SnapPoint SnapToEdges(int x, int y, int w, int h, int screenWidth, int screenHeight, const EdgeReserves& r) {
    const int d = kSnapDistance;
    if (r.left - d <= x && x <= r.left + d) x = r.left;
    if (-d <= y && y <= r.top + d) y = r.top;
    if (screenWidth - r.right - d <= x + w && x + w <= screenWidth - r.right + d) x = screenWidth - w - r.right;
    if (screenHeight - r.bottom - d <= y + h && y + h <= screenHeight - r.bottom + d) y = screenHeight - h - r.bottom;
    return {x, y};
}

} // namespace vimo
