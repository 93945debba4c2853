#pragma once
// The arithmetic of the layered scroll bars: which content lengths are accepted as a range, the
// percent under the pointer along the bar, and the content position that goes with a percent or
// a wheel turn.
namespace vimo {

// The range of a bar before the kap sets one, in pixels of content.
constexpr int kScrollDefaultRange = 200;
// Pixels of content moved by one wheel notch.
constexpr int kScrollWheelStep = 10;

// True when a content length is accepted as a range: its half is at least 101 and below 10000.
bool ScrollRangeAccepted(int range);

// The percent (0..100) of a pointer coordinate along a bar of the given length: the coordinate is
// clamped to [start margin, length - end margin] and measured from the start margin, in whole
// numbers. -1 when the margins leave the bar no length to travel.
int ScrollPercentAt(int coordinate, int length, int startMargin, int endMargin);

// Position and percent of a scroll bar over its content.
class ScrollModel {
public:
    int Range() const { return range_; }
    int Position() const { return position_; }
    int Percent() const { return percent_; }

    // Takes a new range when it is accepted (ScrollRangeAccepted); the position is scaled so that
    // the percent stays the same. False (and nothing changes) when it is refused.
    bool SetRange(int range);
    // Sets the percent (clamped to 0..100) and the position that goes with it.
    void SetPercent(int percent);
    // The pointer at a coordinate along the bar; true when that changes the percent.
    bool PointTo(int coordinate, int length, int startMargin, int endMargin);
    // A wheel turn: the position moves back by one step for a positive delta and forward for a
    // negative one, clamped to [0, range]; the percent follows. True when the position changed.
    bool Wheel(int delta);

private:
    int range_ = kScrollDefaultRange;
    int position_ = 0;
    int percent_ = 0;
};

} // namespace vimo
