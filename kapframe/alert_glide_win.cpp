#include "kapframe/alert_glide_win.h"

namespace vimo {

namespace {
constexpr int kAngleStep = 5; // half-degrees a tick
} // namespace

void AlertGlide::MoveTo(HWND window, ScreenPoint point) {
    SetWindowPos(window, nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AlertGlide::GlideToCentre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    saved_ = {r.left, r.top};
    centre_ =
        AlertCentre(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), r.right - r.left, r.bottom - r.top);
    angle_ = 0;
    for (int i = 0; i < steps_; ++i) MoveTo(window, GlidePoint(saved_, centre_, i, steps_));
    MoveTo(window, centre_);
}

void AlertGlide::CircleStep(HWND window) {
    angle_ += kAngleStep;
    MoveTo(window, CirclingPosition(centre_, angle_));
}

void AlertGlide::GlideBack(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const ScreenPoint current{r.left, r.top};
    angle_ = 0;
    for (int i = steps_; i >= 1; --i) MoveTo(window, GlidePoint(saved_, current, i, steps_));
    MoveTo(window, saved_);
}

} // namespace vimo
