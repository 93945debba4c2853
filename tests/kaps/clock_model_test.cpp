// The clock kap's display refresh and chronometer commands as seen by its window, and its document.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "kaps/desk/clock/clock_document.h"
#include "kaps/desk/clock/clock_model.h"

namespace vimo {
namespace {

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

// Injected clocks: the system time for the chronometer, a local time and a formatter that marks
// which of the locale's forms it rendered.
class ClockModelTest : public ::testing::Test {
protected:
    std::chrono::system_clock::time_point utc{std::chrono::hours(480000)};
    std::tm local = MakeLocal(2024, 2, 29, 23, 59, 58);
    std::vector<std::string> formatsAsked;

    static std::tm MakeLocal(int year, int month, int day, int hour, int minute, int second) {
        std::tm t = {};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        return t;
    }

    ClockSources Sources() {
        return ClockSources{
            [this] { return utc; }, [this] { return local; },
            [this](const std::tm& t, const char* format) {
                formatsAsked.push_back(format);
                char text[64];
                if (std::string(format) == "%#X")
                    std::snprintf(text, sizeof(text), "time %02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
                else if (std::string(format) == "%#x")
                    std::snprintf(text, sizeof(text), "date %04d-%02d-%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
                else
                    std::snprintf(text, sizeof(text), "unexpected %s", format);
                return std::string(text);
            }};
    }

    void Tick(milliseconds by) { utc += by; }
};

TEST_F(ClockModelTest, ClockModeSetsTheTimeEveryTickAndTheDateOnlyWhenItChanges) {
    ClockModel clock(Sources());
    ClockUpdate u = clock.Open(false);
    EXPECT_EQ(u.timeLine, std::optional<std::string>("time 23:59:58"));
    EXPECT_EQ(u.dateLine, std::optional<std::string>("date 2024-02-29"));
    EXPECT_FALSE(u.dirty);
    EXPECT_EQ(u.fastTimer, FastTimerChange::Keep);
    EXPECT_EQ(formatsAsked, (std::vector<std::string>{"%#X", "%#x"}));

    local = MakeLocal(2024, 2, 29, 23, 59, 59);
    u = clock.Refresh();
    EXPECT_EQ(u.timeLine, std::optional<std::string>("time 23:59:59"));
    EXPECT_FALSE(u.dateLine) << "same date: the date line is not redrawn";

    local = MakeLocal(2024, 3, 1, 0, 0, 0);
    u = clock.Refresh();
    EXPECT_EQ(u.timeLine, std::optional<std::string>("time 00:00:00"));
    EXPECT_EQ(u.dateLine, std::optional<std::string>("date 2024-03-01"));
    EXPECT_EQ(clock.TimeText(), "time 00:00:00");
    EXPECT_EQ(clock.LastDateText(), "date 2024-03-01");
}

TEST_F(ClockModelTest, SavedInChronometerModeReopensStoppedAtZero) {
    const KapHeader header{"20240229120000", false, "", true, ""};
    const std::string text = ComposeClockDocument(header, KapRect{15, 25, 200, 100}, true);
    ClockDocument document;
    ASSERT_TRUE(ParseClockDocument(text, document));
    ASSERT_TRUE(document.chronometerMode);

    ClockModel clock(Sources());
    ClockUpdate u = clock.Open(document.chronometerMode);
    EXPECT_EQ(u.timeLine, std::optional<std::string>("00:00:00"));
    EXPECT_EQ(u.dateLine, std::optional<std::string>("Chronometer"));
    EXPECT_EQ(clock.State(), ChronoState::Stopped);
    EXPECT_FALSE(clock.FastTimerRuns());
    EXPECT_EQ(u.fastTimer, FastTimerChange::Keep);

    Tick(minutes(3));
    u = clock.Refresh();
    EXPECT_FALSE(u.timeLine) << "stopped: the time line keeps 00:00:00";
    EXPECT_FALSE(u.dateLine) << "\"Chronometer\" is not drawn again";
}

TEST_F(ClockModelTest, RunningChronometerShowsElapsedTimeOnEveryTick) {
    ClockModel clock(Sources());
    clock.Open(false);
    ClockUpdate u = clock.ToggleChronometer();
    EXPECT_EQ(u.timeLine, std::optional<std::string>("00:00:00"));
    EXPECT_FALSE(u.dateLine) << "the date line follows at the next refresh";
    EXPECT_TRUE(u.dirty);
    EXPECT_EQ(clock.Refresh().dateLine, std::optional<std::string>("Chronometer"));

    u = clock.Click();
    EXPECT_EQ(u.fastTimer, FastTimerChange::Start);
    EXPECT_FALSE(u.dirty);
    EXPECT_TRUE(clock.FastTimerRuns());
    Tick(milliseconds(79));
    EXPECT_EQ(clock.Refresh().timeLine, std::optional<std::string>("00:00:07"));
    Tick(minutes(59) + seconds(59) + milliseconds(921));
    EXPECT_EQ(clock.Refresh().timeLine, std::optional<std::string>("01:00:00"));
}

TEST_F(ClockModelTest, FreezeAndResumeIncludesTheFrozenTime) {
    ClockModel clock(Sources());
    clock.Open(true);
    clock.Click();
    Tick(seconds(10));
    EXPECT_EQ(clock.Refresh().timeLine, std::optional<std::string>("00:10:00"));

    ClockUpdate u = clock.Click();
    EXPECT_EQ(u.fastTimer, FastTimerChange::Stop);
    EXPECT_FALSE(u.timeLine);
    EXPECT_EQ(clock.State(), ChronoState::Frozen);
    Tick(seconds(20));
    EXPECT_FALSE(clock.Refresh().timeLine) << "frozen: the display holds";

    u = clock.Click();
    EXPECT_EQ(u.fastTimer, FastTimerChange::Start);
    EXPECT_EQ(clock.Refresh().timeLine, std::optional<std::string>("00:30:00"));
}

TEST_F(ClockModelTest, ResetShowsZeroAndCountsOnWhileRunning) {
    ClockModel clock(Sources());
    clock.Open(true);
    clock.Click();
    Tick(minutes(2));
    ClockUpdate u = clock.Reset();
    EXPECT_EQ(u.timeLine, std::optional<std::string>("00:00:00"));
    EXPECT_FALSE(u.dirty);
    EXPECT_EQ(clock.State(), ChronoState::Running);
    Tick(seconds(4));
    EXPECT_EQ(clock.Refresh().timeLine, std::optional<std::string>("00:04:00"));
}

TEST_F(ClockModelTest, SwitchingOffRefreshesTheClockAtOnce) {
    ClockModel clock(Sources());
    clock.Open(true);
    clock.Click();
    Tick(seconds(5));
    local = MakeLocal(2024, 3, 1, 0, 0, 3);
    const ClockUpdate u = clock.ToggleChronometer();
    EXPECT_EQ(u.fastTimer, FastTimerChange::Stop);
    EXPECT_TRUE(u.dirty);
    EXPECT_EQ(u.timeLine, std::optional<std::string>("time 00:00:03"));
    EXPECT_EQ(u.dateLine, std::optional<std::string>("date 2024-03-01"));
    EXPECT_FALSE(clock.ChronometerMode());
    EXPECT_FALSE(clock.FastTimerRuns());

    const ClockUpdate on = clock.ToggleChronometer();
    EXPECT_EQ(on.timeLine, std::optional<std::string>("00:00:00")) << "back on: stopped at zero";
    EXPECT_EQ(clock.State(), ChronoState::Stopped);
}

TEST(ClockDocument, ModeLetterSitsBetweenLockAndTopMost) {
    const KapHeader header{"20240229120000", true, "ignored", false, "tail"};
    EXPECT_EQ(ComposeClockDocument(header, KapRect{-20, 30, 200, 100}, true), "A20240229120000LCN\n-20\n30\n200\n100");
    EXPECT_EQ(ComposeClockDocument(header, KapRect{0, 0, 1, 2}, false), "A20240229120000LTN\n0\n0\n1\n2");
}

TEST(ClockDocument, ReadsModeAndRectangle) {
    ClockDocument document;
    ASSERT_TRUE(ParseClockDocument("A20240229120000UCT\n-5\n7\n210\n110", document));
    EXPECT_TRUE(document.chronometerMode);
    EXPECT_EQ(document.header.kapName, "20240229120000");
    EXPECT_FALSE(document.header.locked);
    EXPECT_TRUE(document.header.topMost);
    EXPECT_EQ(document.rect.x, -5);
    EXPECT_EQ(document.rect.y, 7);
    EXPECT_EQ(document.rect.width, 210);
    EXPECT_EQ(document.rect.height, 110);

    for (const char* other : {"A20240229120000UTN", "A20240229120000UXN", "A20240229120000UcN", "A20240229120000U"}) {
        ASSERT_TRUE(ParseClockDocument(other, document)) << other;
        EXPECT_FALSE(document.chronometerMode) << other << ": anything but C is clock mode";
    }
    ASSERT_TRUE(ParseClockDocument("A20240229120000LCN", document));
    EXPECT_TRUE(document.chronometerMode);
    EXPECT_EQ(document.rect.width, 0) << "missing lines read as 0";
}

TEST(ClockDocument, UnusableTextLeavesTheDocumentAlone) {
    ClockDocument document;
    document.rect.x = 99;
    EXPECT_FALSE(ParseClockDocument("", document));
    EXPECT_FALSE(ParseClockDocument("B20240229120000UCN\n1\n2\n3\n4", document));
    EXPECT_EQ(document.rect.x, 99);
}

} // namespace
} // namespace vimo
