#include "kapframe/resize_grip_win.h"

#include "kapframe/resize_step.h"

namespace vimo {

bool ResizeGrip::InCorner(POINT p, int width, int height) {
    return p.x >= width - kCornerSquare && p.x < width && p.y >= height - kCornerSquare && p.y < height;
}

void ResizeGrip::Begin(HWND window, POINT client) {
    anchor_ = client;
    active_ = true;
    if (onResizing_) onResizing_(true);
    SetCapture(window);
    SetTimer(window, timerId_, kPeriod, nullptr);
}

void ResizeGrip::End(HWND window) {
    if (!active_) return;
    active_ = false;
    if (onResizing_) onResizing_(false);
    KillTimer(window, timerId_);
    if (GetCapture() == window) ReleaseCapture();
}

bool ResizeGrip::Step(HWND window, int& width, int& height, int minimumWidth, int minimumHeight) {
    if (!active_) return false;
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!(GetAsyncKeyState(button) & 0x8000) || GetCapture() != window) {
        End(window);
        return false;
    }
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    if (p.x == anchor_.x && p.y == anchor_.y) return false;
    const ResizeAxis w = ResizeStep(width, anchor_.x, p.x, minimumWidth);
    const ResizeAxis h = ResizeStep(height, anchor_.y, p.y, minimumHeight);
    width = w.size;
    anchor_.x = w.anchor;
    height = h.size;
    anchor_.y = h.anchor;
    return w.changed || h.changed;
}

} // namespace vimo
