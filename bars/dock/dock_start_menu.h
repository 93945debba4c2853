#pragma once
// Where the dock's "Start Menu" action puts the system start menu, and the positions it slides
// through on the way.
#include <vector>

namespace vimo {

struct DockPoint {
    int x = 0, y = 0;
    bool operator==(const DockPoint& o) const { return x == o.x && y == o.y; }
};

// The menu's top-left corner: the pointer, moved left so that a menuWidth-wide menu ends at the
// right screen edge and up so that it ends at the bottom edge when it would pass them.
DockPoint StartMenuTarget(DockPoint pointer, int menuWidth, int menuHeight, int screenWidth, int screenHeight);

// The positions from current to target: with d the whole-pixel distance between them,
// steps = trunc(0.2 * sqrt(d)) but at least 3; step i (0 <= i < steps) is
// current + (target - current) * i / steps on each axis (whole division), and the target last.
std::vector<DockPoint> StartMenuSlide(DockPoint current, DockPoint target);

} // namespace vimo
