#pragma once
// The corner resize grip of the resizable kaps: a press in the bottom-right 30 x 30 square starts
// following the pointer (mouse captured, a 100 ms timer of the kap's window, the controller's
// resizing flag set) until the button is released; each step gives the new size, never below
// the minimum.
#include <windows.h>

#include <functional>

namespace vimo {

class ResizeGrip {
public:
    static constexpr int kCornerSquare = 30;
    static constexpr UINT kPeriod = 100;

    // window: the kap; timerId: the kap's resize timer; onResizing: tells the controller.
    ResizeGrip(UINT_PTR timerId, std::function<void(bool)> onResizing)
        : timerId_(timerId), onResizing_(std::move(onResizing)) {}

    // True when the client point lies in the corner square of a width x height window.
    static bool InCorner(POINT client, int width, int height);
    // Starts resizing from a client point.
    void Begin(HWND window, POINT client);
    bool Active() const { return active_; }
    // One step: reads the pointer; returns true when width or height changed (they are updated).
    // Ends the drag when the button is up or the capture is gone.
    bool Step(HWND window, int& width, int& height, int minimumWidth, int minimumHeight);
    void End(HWND window);
    // Moves the anchor by the amount a layout took off (or added to) the size of the last step, so
    // that a kap snapping its size still follows the pointer instead of losing each step's rest.
    void ShiftAnchor(int dx, int dy) {
        anchor_.x += dx;
        anchor_.y += dy;
    }

private:
    UINT_PTR timerId_;
    std::function<void(bool)> onResizing_;
    bool active_ = false;
    POINT anchor_ = {0, 0};
};

} // namespace vimo
