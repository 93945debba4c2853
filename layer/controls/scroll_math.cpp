#include "layer/controls/scroll_math.h"

namespace vimo {

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

} // namespace

bool ScrollRangeAccepted(int range) {
    const int half = range / 2;
    return half >= 101 && half < 10000;
}

int ScrollPercentAt(int coordinate, int length, int startMargin, int endMargin) {
    const int travel = length - endMargin - startMargin;
    if (travel <= 0) return -1;
    const int along = Clamp(coordinate, startMargin, length - endMargin) - startMargin;
    return along * 100 / travel;
}

bool ScrollModel::SetRange(int range) {
    if (!ScrollRangeAccepted(range)) return false;
    range_ = range;
    position_ = range_ * percent_ / 100;
    return true;
}

void ScrollModel::SetPercent(int percent) {
    percent_ = Clamp(percent, 0, 100);
    position_ = range_ * percent_ / 100;
}

bool ScrollModel::PointTo(int coordinate, int length, int startMargin, int endMargin) {
    const int percent = ScrollPercentAt(coordinate, length, startMargin, endMargin);
    if (percent < 0 || percent == percent_) return false;
    percent_ = percent;
    position_ = range_ * percent_ / 100;
    return true;
}

bool ScrollModel::Wheel(int delta) {
    const int sign = delta > 0 ? 1 : (delta < 0 ? -1 : 0);
    const int position = Clamp(position_ - kScrollWheelStep * sign, 0, range_);
    if (position == position_) return false;
    position_ = position;
    percent_ = range_ > 0 ? position_ * 100 / range_ : 0;
    return true;
}

} // namespace vimo
