#pragma once
// AlertGlide moves a kap window through its alert: a glide from where it stands to the alert
// centre, a circling step for each tick of the kap's timer, and a glide back to the place it
// stood. Each move keeps the window's size and Z order and does not activate it; the glides block
// the window thread for their steps.
#include <windows.h>

#include "kapframe/alert_motion.h"

namespace vimo {

class AlertGlide {
public:
    explicit AlertGlide(int steps) : steps_(steps) {}

    // Saves the window's place and glides it to the centre; the circling starts at angle 0.
    void GlideToCentre(HWND window);
    void CircleStep(HWND window);
    // Glides from where the window stands back to the saved place.
    void GlideBack(HWND window);

private:
    static void MoveTo(HWND window, ScreenPoint point);

    int steps_;
    int angle_ = 0;
    ScreenPoint saved_ = {0, 0}, centre_ = {0, 0};
};

} // namespace vimo
