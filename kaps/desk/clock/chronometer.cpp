#include "kaps/desk/clock/chronometer.h"

#include "kaps/desk/clock/elapsed_text.h"

namespace vimo {

ChronoEffect Chronometer::ToggleMode() {
    ChronoEffect effect;
    effect.modeChanged = true;
    if (state_ == ChronoState::Off) {
        state_ = ChronoState::Stopped;
        effect.showZero = true;
    } else {
        if (state_ == ChronoState::Running) effect.fastTimer = FastTimerChange::Stop;
        state_ = ChronoState::Off;
    }
    return effect;
}

ChronoEffect Chronometer::Click() {
    ChronoEffect effect;
    switch (state_) {
    case ChronoState::Off: break;
    case ChronoState::Stopped:
        start_ = now_();
        state_ = ChronoState::Running;
        effect.fastTimer = FastTimerChange::Start;
        break;
    case ChronoState::Running:
        state_ = ChronoState::Frozen;
        effect.fastTimer = FastTimerChange::Stop;
        break;
    case ChronoState::Frozen:
        state_ = ChronoState::Running;
        effect.fastTimer = FastTimerChange::Start;
        break;
    }
    return effect;
}

ChronoEffect Chronometer::Reset() {
    ChronoEffect effect;
    start_ = now_();
    if (state_ == ChronoState::Off) return effect;
    if (state_ == ChronoState::Frozen) state_ = ChronoState::Stopped;
    effect.showZero = true;
    return effect;
}

std::chrono::milliseconds Chronometer::Elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start_);
}

std::optional<std::string> Chronometer::RunningText() const {
    if (state_ != ChronoState::Running) return std::nullopt;
    return FormatElapsed(Elapsed());
}

} // namespace vimo
