// The chronometer: elapsed-time text and the transitions between Off, Stopped, Running and Frozen.
#include <gtest/gtest.h>

#include <chrono>

#include "kaps/desk/clock/chronometer.h"
#include "kaps/desk/clock/elapsed_text.h"

namespace vimo {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

TEST(ElapsedText, MinutesWithHundredthsBelowOneHour) {
    EXPECT_EQ(FormatElapsed(milliseconds(0)), "00:00:00");
    EXPECT_EQ(FormatElapsed(milliseconds(9)), "00:00:00") << "hundredths are cut, not rounded";
    EXPECT_EQ(FormatElapsed(milliseconds(999)), "00:00:99");
    EXPECT_EQ(FormatElapsed(minutes(2) + seconds(5) + milliseconds(370)), "02:05:37");
    EXPECT_EQ(FormatElapsed(minutes(59) + seconds(59) + milliseconds(999)), "59:59:99");
}

TEST(ElapsedText, HoursMinutesSecondsFromOneHour) {
    EXPECT_EQ(FormatElapsed(hours(1)), "01:00:00");
    EXPECT_EQ(FormatElapsed(hours(1) + minutes(2) + seconds(3) + milliseconds(456)), "01:02:03");
    EXPECT_EQ(FormatElapsed(hours(23) + minutes(59) + seconds(59) + milliseconds(990)), "23:59:59");
}

TEST(ElapsedText, DaysAreNeverShown) {
    EXPECT_EQ(FormatElapsed(hours(24)), "00:00:00") << "back to the minutes form after 24 hours";
    EXPECT_EQ(FormatElapsed(hours(24) + minutes(1) + seconds(5) + milliseconds(500)), "01:05:50");
    EXPECT_EQ(FormatElapsed(hours(25) + seconds(7)), "01:00:07");
    EXPECT_EQ(FormatElapsed(hours(24 * 40 + 13) + minutes(14) + seconds(15)), "13:14:15");
}

TEST(ElapsedText, ClockSetBackReadsAsZero) { EXPECT_EQ(FormatElapsed(milliseconds(-1500)), "00:00:00"); }

// A system clock the test moves by hand.
class ChronometerTest : public ::testing::Test {
protected:
    std::chrono::system_clock::time_point now{std::chrono::hours(480000)};
    Chronometer chrono{[this] { return now; }};

    void Advance(milliseconds by) { now += by; }
};

TEST_F(ChronometerTest, ChronoSwitchesOnStoppedAtZero) {
    EXPECT_EQ(chrono.State(), ChronoState::Off);
    EXPECT_FALSE(chrono.Mode());
    const ChronoEffect on = chrono.ToggleMode();
    EXPECT_EQ(chrono.State(), ChronoState::Stopped);
    EXPECT_TRUE(chrono.Mode());
    EXPECT_TRUE(on.showZero);
    EXPECT_TRUE(on.modeChanged);
    EXPECT_EQ(on.fastTimer, FastTimerChange::Keep);
    EXPECT_FALSE(chrono.FastTimerRuns());
    EXPECT_FALSE(chrono.RunningText()) << "a stopped chronometer leaves the time line alone";
}

TEST_F(ChronometerTest, ClickStartsFreezesAndResumesWithFrozenTimeIncluded) {
    chrono.ToggleMode();
    Advance(seconds(30)); // time spent stopped does not count
    ChronoEffect e = chrono.Click();
    EXPECT_EQ(chrono.State(), ChronoState::Running);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Start);
    EXPECT_FALSE(e.modeChanged);
    EXPECT_TRUE(chrono.FastTimerRuns());
    Advance(seconds(10) + milliseconds(250));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:10:25"));

    e = chrono.Click();
    EXPECT_EQ(chrono.State(), ChronoState::Frozen);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Stop);
    EXPECT_FALSE(e.showZero) << "the time line keeps its last value";
    EXPECT_FALSE(chrono.FastTimerRuns());
    Advance(seconds(20));
    EXPECT_FALSE(chrono.RunningText());

    e = chrono.Click();
    EXPECT_EQ(chrono.State(), ChronoState::Running);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Start);
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:30:25")) << "the count went on while frozen";
}

TEST_F(ChronometerTest, ResetWhileRunningCountsOnFromNow) {
    chrono.ToggleMode();
    chrono.Click();
    Advance(minutes(5));
    const ChronoEffect e = chrono.Reset();
    EXPECT_EQ(chrono.State(), ChronoState::Running);
    EXPECT_TRUE(e.showZero);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Keep);
    EXPECT_FALSE(e.modeChanged);
    Advance(seconds(3));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:03:00"));
}

TEST_F(ChronometerTest, ResetWhileStoppedOrFrozenStops) {
    chrono.ToggleMode();
    ChronoEffect e = chrono.Reset();
    EXPECT_EQ(chrono.State(), ChronoState::Stopped);
    EXPECT_TRUE(e.showZero);

    chrono.Click();
    Advance(minutes(1));
    chrono.Click();
    ASSERT_EQ(chrono.State(), ChronoState::Frozen);
    e = chrono.Reset();
    EXPECT_EQ(chrono.State(), ChronoState::Stopped);
    EXPECT_TRUE(e.showZero);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Keep);

    Advance(minutes(7)); // the next start is the next click, not the reset
    chrono.Click();
    Advance(seconds(2));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:02:00"));
}

TEST_F(ChronometerTest, ClockModeIgnoresClicksAndResetShowsNothing) {
    EXPECT_EQ(chrono.Click().fastTimer, FastTimerChange::Keep);
    EXPECT_EQ(chrono.State(), ChronoState::Off);
    const ChronoEffect e = chrono.Reset();
    EXPECT_EQ(chrono.State(), ChronoState::Off);
    EXPECT_FALSE(e.showZero);
    EXPECT_FALSE(e.modeChanged);
    EXPECT_EQ(e.fastTimer, FastTimerChange::Keep);
}

TEST_F(ChronometerTest, ChronoSwitchesOffFromEveryState) {
    struct Case {
        int clicks; // from Stopped: 0 stays stopped, 1 runs, 2 freezes
        FastTimerChange timer;
    };
    for (const Case c :
         {Case{0, FastTimerChange::Keep}, Case{1, FastTimerChange::Stop}, Case{2, FastTimerChange::Keep}}) {
        chrono.ToggleMode();
        for (int i = 0; i < c.clicks; ++i) chrono.Click();
        const ChronoEffect off = chrono.ToggleMode();
        EXPECT_EQ(chrono.State(), ChronoState::Off) << c.clicks;
        EXPECT_TRUE(off.modeChanged) << c.clicks;
        EXPECT_EQ(off.fastTimer, c.timer) << c.clicks;
        EXPECT_FALSE(chrono.FastTimerRuns()) << c.clicks;

        const ChronoEffect on = chrono.ToggleMode();
        EXPECT_EQ(chrono.State(), ChronoState::Stopped) << "always back stopped";
        EXPECT_TRUE(on.showZero);
        chrono.ToggleMode();
    }
}

TEST_F(ChronometerTest, ExactlyOneHourLeavesTheMinutesForm) {
    chrono.ToggleMode();
    chrono.Click();
    Advance(hours(1) - milliseconds(1));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("59:59:99"));
    Advance(milliseconds(1));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("01:00:00"));
    Advance(hours(23));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:00:00"));
    Advance(milliseconds(1230));
    EXPECT_EQ(chrono.RunningText(), std::optional<std::string>("00:01:23"));
}

} // namespace
} // namespace vimo
