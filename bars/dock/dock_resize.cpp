#include "bars/dock/dock_resize.h"

#include <climits>

namespace vimo {

namespace {

// side + (to - from), kept when it would drop below the minimum (or leave the range of int).
bool Grow(int& side, int from, int to, int minimum) {
    const long long wanted = static_cast<long long>(side) + (static_cast<long long>(to) - from);
    if (wanted < minimum || wanted > INT_MAX || wanted == side) return false;
    side = static_cast<int>(wanted);
    return true;
}

} // namespace

DockPress ClassifyDockPress(bool locked, int x, int y, int width, int height) {
    if (locked) return DockPress::Nothing;
    const bool inGrip = static_cast<long long>(x) >= static_cast<long long>(width) - kDockResizeGrip &&
                        static_cast<long long>(y) >= static_cast<long long>(height) - kDockResizeGrip;
    return inGrip ? DockPress::Resize : DockPress::Move;
}

bool DockResizeDrag::Track(int pointerX, int pointerY, int minWidth, int minHeight) {
    const bool widthChanged = Grow(width_, lastX_, pointerX, minWidth);
    const bool heightChanged = Grow(height_, lastY_, pointerY, minHeight);
    lastX_ = pointerX;
    lastY_ = pointerY;
    return widthChanged || heightChanged;
}

} // namespace vimo
