#include "bars/dock/dock_autohide.h"

#include <utility>

#include "layer/layer_alpha.h"

namespace vimo {

namespace {

// The longest period a window timer accepts (USER_TIMER_MAXIMUM).
constexpr unsigned kLongestTimerPeriod = 0x7FFFFFFF;

DockTimerOrder StartOrder(unsigned period) {
    DockTimerOrder order;
    order.start = true;
    order.period = period;
    return order;
}

DockTimerOrder StopOrder() {
    DockTimerOrder order;
    order.stop = true;
    return order;
}

} // namespace

DockEdge TriggerEdge(const std::string& trigger) {
    if (trigger.empty()) return DockEdge::None;
    switch (trigger[0]) {
    case 'L': return DockEdge::Left;
    case 'T': return DockEdge::Top;
    case 'R': return DockEdge::Right;
    case 'B': return DockEdge::Bottom;
    default: return DockEdge::None;
    }
}

bool PointerAtEdge(DockEdge edge, int x, int y, int screenWidth, int screenHeight) {
    switch (edge) {
    case DockEdge::Left: return x < 1;
    case DockEdge::Top: return y < 1;
    case DockEdge::Right: return static_cast<long long>(x) >= static_cast<long long>(screenWidth) - 1;
    case DockEdge::Bottom: return static_cast<long long>(y) >= static_cast<long long>(screenHeight) - 1;
    case DockEdge::None: break;
    }
    return false;
}

unsigned HideDelayPeriod(int hideDelaySeconds) {
    if (hideDelaySeconds <= 0) return 0;
    const unsigned long long period = static_cast<unsigned long long>(hideDelaySeconds) * 1000ULL;
    return period > kLongestTimerPeriod ? kLongestTimerPeriod : static_cast<unsigned>(period);
}

DockAutoHide::DockAutoHide(DockAutoHideOptions options) : options_(std::move(options)) {}

DockStep DockAutoHide::Start() {
    DockStep step;
    visible_ = true;
    fading_ = false;
    alpha_ = shownAlpha_ = 255;
    step.showWindow = true;
    if (!options_.autoHide) return step;
    step.triggerTimer = StartOrder(kDockTriggerPeriod);
    step.hideTimer = StartOrder(HideDelayPeriod(options_.hideDelaySeconds));
    if (options_.fade) {
        alpha_ = shownAlpha_ = 0;
        fading_ = true;
        step.fadeTimer = StartOrder(kDockFadePeriod);
    }
    return step;
}

DockStep DockAutoHide::OnTriggerTimer(int x, int y, int screenWidth, int screenHeight) {
    DockStep step;
    if (fading_) return step;
    if (!PointerAtEdge(TriggerEdge(options_.trigger), x, y, screenWidth, screenHeight)) return step;
    step.showWindow = true;
    visible_ = true;
    if (options_.fade) {
        fading_ = true;
        step.fadeTimer = StartOrder(kDockFadePeriod);
    }
    step.hideTimer = StartOrder(HideDelayPeriod(options_.hideDelaySeconds));
    return step;
}

DockStep DockAutoHide::OnHideTimer(bool pointerInside) {
    DockStep step;
    if (pointerInside) return step;
    visible_ = false;
    step.hideTimer = StopOrder();
    if (options_.fade) {
        fading_ = true;
        step.fadeTimer = StartOrder(kDockFadePeriod);
    } else {
        step.hideWindow = true;
    }
    return step;
}

DockStep DockAutoHide::OnFadeTimer() {
    DockStep step;
    if (!fading_) {
        // A tick that was already on its way when the fade ended.
        step.fadeTimer = StopOrder();
        return step;
    }
    if (visible_) {
        if (alpha_ > 255) {
            alpha_ = 255;
            step.fadeTimer = StopOrder();
            fading_ = false;
        } else {
            alpha_ += kDockFadeStep;
        }
    } else {
        if (alpha_ < 0) {
            alpha_ = 0;
            step.fadeTimer = StopOrder();
            step.hideWindow = true;
            fading_ = false;
        } else {
            alpha_ -= kDockFadeStep;
        }
    }
    step.pushAlpha = true;
    return Push(step);
}

DockStep DockAutoHide::Push(DockStep step) {
    step.alpha = alpha_;
    shownAlpha_ = AlphaAfterSetAlpha(shownAlpha_, alpha_);
    return step;
}

} // namespace vimo
