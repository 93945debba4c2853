#pragma once
// The clock kap's chronometer: its four states and the transitions on the "Chrono" command, a
// click on the kap and the reset command. The system clock is injected.
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vimo {

enum class ChronoState {
    Off,     // clock mode
    Stopped, // chronometer shown, not counting
    Running, // counting and refreshing the elapsed time
    Frozen,  // display held by a click; the start instant is kept, so the count goes on unseen
};

// What the window does with the 79 ms refresh timer after an event.
enum class FastTimerChange { Keep, Start, Stop };

// The visible consequences of one chronometer event.
struct ChronoEffect {
    bool showZero = false;    // set the time line to "00:00:00"
    bool modeChanged = false; // chronometer mode switched: the document is dirty
    FastTimerChange fastTimer = FastTimerChange::Keep;
};

using SystemClock = std::function<std::chrono::system_clock::time_point()>;

class Chronometer {
public:
    explicit Chronometer(SystemClock now) : now_(std::move(now)) {}

    ChronoState State() const { return state_; }
    bool Mode() const { return state_ != ChronoState::Off; }
    // The 79 ms timer runs exactly while the chronometer runs.
    bool FastTimerRuns() const { return state_ == ChronoState::Running; }

    // "Chrono": Off -> Stopped showing zero; any other state -> Off.
    ChronoEffect ToggleMode();
    // A left click on the kap: Stopped starts from now, Running freezes, Frozen resumes from the
    // unchanged start instant. Nothing in clock mode.
    ChronoEffect Click();
    // Reset: a new start instant; running goes on from it, stopped and frozen become stopped at
    // zero. In clock mode only the start instant is recorded.
    ChronoEffect Reset();

    // Time since the start instant, to the millisecond.
    std::chrono::milliseconds Elapsed() const;
    // The elapsed-time text while running; nothing otherwise (the time line keeps its text).
    std::optional<std::string> RunningText() const;

private:
    SystemClock now_;
    ChronoState state_ = ChronoState::Off;
    std::chrono::system_clock::time_point start_{};
};

} // namespace vimo
