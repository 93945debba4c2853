#pragma once
// Auto-hide of the dock: the screen edge that calls it back, the hide check and the fade, as a
// state machine that the dock window's timers drive. Each step returns what the window must do.
#include <string>

namespace vimo {

// The dock window's timers, beside the save timer (1) every kap window has.
enum DockTimer : unsigned {
    kDockHideTimer = 4,    // every hide delay: hide when the pointer has left the dock
    kDockTriggerTimer = 6, // every kDockTriggerPeriod: call the dock when the pointer is at the edge
    kDockFadeTimer = 7,    // every kDockFadePeriod: one fade step
    kDockResizeTimer = 8,  // every kDockResizePeriod while the corner is dragged
};
constexpr unsigned kDockTriggerPeriod = 200;
constexpr unsigned kDockFadePeriod = 50;
constexpr unsigned kDockResizePeriod = 100;
constexpr int kDockFadeStep = 20;

enum class DockEdge { None, Left, Top, Right, Bottom };

// Only the first character of the trigger setting counts, in its exact case: "L", "T", "R", "B";
// anything else (a lower-case letter, an empty setting) is no edge.
DockEdge TriggerEdge(const std::string& trigger);

// True when the pointer (screen coordinates) touches the edge: x < 1, y < 1, x >= screen width - 1
// or y >= screen height - 1.
bool PointerAtEdge(DockEdge edge, int x, int y, int screenWidth, int screenHeight);

// The hide check's period: the delay in seconds as milliseconds; a negative delay counts as 0 and
// a huge one is cut to the longest period a window timer takes.
unsigned HideDelayPeriod(int hideDelaySeconds);

struct DockTimerOrder {
    bool start = false; // (re)start with period
    bool stop = false;
    unsigned period = 0;
};

// What the window does after a step, in this order: start or stop the timers, show the window,
// push the alpha with SetAlpha (values above 255 show as 255; a negative one leaves the last shown
// alpha), hide the window.
struct DockStep {
    DockTimerOrder triggerTimer, hideTimer, fadeTimer;
    bool showWindow = false;
    bool pushAlpha = false;
    int alpha = 0;
    bool hideWindow = false;
};

struct DockAutoHideOptions {
    bool autoHide = false;        // RemoteKAPAutoHide
    bool fade = false;            // RemoteKAPFadeInOut
    int hideDelaySeconds = 10;    // RemoteKAPHideDelay
    std::string trigger = "Left"; // RemoteKAPTrigger
};

class DockAutoHide {
public:
    explicit DockAutoHide(DockAutoHideOptions options);

    // At creation. With auto-hide: the dock shows and (with fade) fades in from alpha 0, the
    // trigger and hide checks run; without it the dock stays visible at 255 and no timer runs.
    // The window sets Alpha() as its constant alpha before it first shows.
    DockStep Start();

    // Timer kDockTriggerTimer with the pointer at (x, y). Does nothing while a fade runs.
    DockStep OnTriggerTimer(int x, int y, int screenWidth, int screenHeight);

    // Timer kDockHideTimer; pointerInside: the pointer lies in the dock's window rectangle.
    DockStep OnHideTimer(bool pointerInside);

    // Timer kDockFadeTimer: one step of 20 toward 255 (visible) or 0 (hidden); the step after
    // passing the end settles on it and stops the fade, and a fade-out then hides the window.
    DockStep OnFadeTimer();

    int Alpha() const { return alpha_; }
    // The alpha the layer host last showed (what SetAlpha made of the pushed values).
    int ShownAlpha() const { return shownAlpha_; }
    bool Visible() const { return visible_; }
    bool Fading() const { return fading_; }

private:
    DockStep Push(DockStep step);

    DockAutoHideOptions options_;
    int alpha_ = 255;
    int shownAlpha_ = 255;
    bool visible_ = true;
    bool fading_ = false;
};

} // namespace vimo
