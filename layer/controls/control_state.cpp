#include "layer/controls/control_state.h"

namespace vimo {

bool PointerStay::Accept(int x, int y, int width, int height) {
    if (known_ && x == x_ && y == y_) return false;
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    if (known_) {
        previousX_ = x_;
        previousY_ = y_;
        hasPrevious_ = true;
    }
    x_ = x;
    y_ = y;
    known_ = true;
    return true;
}

bool PointerStay::TakeEnter(bool enterMessageSet) {
    if (!enterMessageSet || enterPosted_) return false;
    enterPosted_ = true;
    return true;
}

bool PointerStay::TakeLeave(bool leaveMessageSet) {
    const bool post = leaveMessageSet && enterPosted_;
    enterPosted_ = false;
    return post;
}

int RenewalDelayMs(bool on, int seconds) {
    if (!on) return 0;
    if (seconds < kRenewalMinSeconds) seconds = kRenewalMinSeconds;
    if (seconds > kRenewalMaxSeconds) seconds = kRenewalMaxSeconds;
    return seconds * 1000;
}

} // namespace vimo
