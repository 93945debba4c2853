#pragma once
// Portable state of the layered controls: the pointer's stay over a control (which positions
// are new, whether the enter message went out) and the thumbnail renewal delay of a window tile.
namespace vimo {

// The pointer positions a control sees while the pointer is over it, and whether the enter
// message of the current stay has been posted.
class PointerStay {
public:
    // A pointer position in control coordinates. False, and nothing is stored, when it equals the
    // last position or lies outside (0, 0, width, height); otherwise it becomes the last position
    // and the one before is kept as the previous position.
    bool Accept(int x, int y, int width, int height);
    int X() const { return x_; }
    int Y() const { return y_; }
    // The position before the last one; HasPrevious is false until two positions were accepted.
    bool HasPrevious() const { return hasPrevious_; }
    int PreviousX() const { return previousX_; }
    int PreviousY() const { return previousY_; }

    // True when the enter message is to be posted now: an enter message is set and none was
    // posted during this stay. Remembers that it was.
    bool TakeEnter(bool enterMessageSet);
    // True when the leave message is to be posted: a leave message is set and the enter message
    // had been posted. The stay ends either way.
    bool TakeLeave(bool leaveMessageSet);
    bool EnterPosted() const { return enterPosted_; }

private:
    bool known_ = false, hasPrevious_ = false;
    int x_ = 0, y_ = 0, previousX_ = 0, previousY_ = 0;
    bool enterPosted_ = false;
};

constexpr int kRenewalMinSeconds = 1;
constexpr int kRenewalMaxSeconds = 60;

// A window tile's thumbnail renewal delay in milliseconds: the seconds clamped to 1..60 when the
// delay is switched on, 0 (no delay) when it is off.
int RenewalDelayMs(bool on, int seconds);

} // namespace vimo
