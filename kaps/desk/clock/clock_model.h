#pragma once
// What the clock kap shows: the display refresh (local time and long date, or the chronometer),
// and the chronometer commands, as updates for the window's time line, date line and timers.
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "kaps/desk/clock/changed_text.h"
#include "kaps/desk/clock/chronometer.h"
#include "kaps/desk/clock/time_text.h"

namespace vimo {

constexpr const char* kClockTimeFormat = "%#X"; // the locale's time
constexpr const char* kClockDateFormat = "%#x"; // the locale's long date
constexpr const char* kChronometerText = "Chronometer";
constexpr const char* kChronoZeroText = "00:00:00";

// Window timers of the clock kap (timer 1 is the common save timer).
constexpr unsigned kClockTickTimer = 2;
constexpr unsigned kClockTickMs = 1000;
constexpr unsigned kChronoTimer = 5;
constexpr unsigned kChronoTickMs = 79;

struct ClockSources {
    SystemClock systemNow;             // UTC with milliseconds, for the elapsed time
    std::function<std::tm()> localNow; // the local time, for the time and date texts
    LocalTimeFormatter format;         // the platform's rendering of a local time
};

// What the window applies after an event. A line is set only when its text is given.
struct ClockUpdate {
    std::optional<std::string> timeLine;
    std::optional<std::string> dateLine;
    FastTimerChange fastTimer = FastTimerChange::Keep;
    bool dirty = false;
};

class ClockModel {
public:
    explicit ClockModel(ClockSources sources);

    // Creation: restores chronometer mode as the "Chrono" command does (stopped at zero) when the
    // document asked for it, then refreshes the display.
    ClockUpdate Open(bool chronometerMode);
    // Timers 2 and 5: the time line gets the local time in clock mode and the elapsed time while the
    // chronometer runs; the date line (or "Chronometer") only when its text changed.
    ClockUpdate Refresh();
    // Context-menu "Chrono". Switching off refreshes the display at once.
    ClockUpdate ToggleChronometer();
    // Left button down on the kap, whether locked or not.
    ClockUpdate Click();
    // Context-menu reset.
    ClockUpdate Reset();

    bool ChronometerMode() const { return chrono_.Mode(); }
    ChronoState State() const { return chrono_.State(); }
    bool FastTimerRuns() const { return chrono_.FastTimerRuns(); }
    // The local time as last rendered.
    const std::string& TimeText() const { return timeText_; }
    const std::string& LastDateText() const { return lastDate_.Last(); }

private:
    ClockUpdate Apply(const ChronoEffect& effect);

    ClockSources sources_;
    Chronometer chrono_;
    std::string timeText_;
    ChangedText lastDate_;
};

} // namespace vimo
