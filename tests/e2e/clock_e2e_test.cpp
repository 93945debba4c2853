// The clock kap as a user meets it: created from the tray menu, ticking every second, switched to
// the chronometer from its context menu, clicked to start and freeze, and reopened after a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <ctime>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kaps/desk/clock/clock_document.h"
#include "kaps/desk/clock/time_text.h"

namespace vimo::e2e {
namespace {

constexpr int kPlaceX = 400, kPlaceY = 350; // clear of the dock in the top-left corner

int ClockSkin(const ProgramDir& dir, const std::string& key) {
    return static_cast<int>(GetPrivateProfileIntA("VimoClockSkin", key.c_str(), -1,
                                                  dir.File("Skin\\Default\\VimoClock\\Skin.VimoClock").c_str()));
}

// The time line's rectangle on the screen.
RECT TimeLine(const ProgramDir& dir, HWND clock) {
    const RECT w = WindowRectOf(clock);
    const int x = w.left + ClockSkin(dir, "ClockTimePosX"), y = w.top + ClockSkin(dir, "ClockTimePosY");
    return RECT{x, y, x + ClockSkin(dir, "ClockTimeWidth"), y + ClockSkin(dir, "ClockTimeHeight")};
}

// The time line's text (the first of the two lines the kap answers).
std::string TimeText(HWND clock) {
    const std::string text = WindowTextOf(clock);
    return text.substr(0, text.find('\n'));
}

HWND NewClockAt(VimoProcess& app) {
    const std::vector<HWND> before = app.Kaps();
    app.Command(ID_NEW_CLOCK);
    HWND kap = app.WaitNewKap(before);
    if (!kap) return nullptr;
    SetWindowPos(kap, nullptr, kPlaceX, kPlaceY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(kap).left == kPlaceX && WindowRectOf(kap).top == kPlaceY; }, 3000);
    return kap;
}

void ClickOn(HWND kap) {
    const RECT r = WindowRectOf(kap);
    ClickAt((r.left + r.right) / 2, r.bottom - 12);
}

TEST(Clock, CreatedFromTheTrayMenuShowsTheTimeAndRedrawsItEverySecond) {
    ProgramDir dir("clock-ticks");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND clock = NewClockAt(app);
    ASSERT_NE(clock, nullptr);

    const std::string shown = WindowTextOf(clock);
    const std::size_t feed = shown.find('\n');
    ASSERT_NE(feed, std::string::npos) << shown;
    // The program renders in the user's locale, as this process does once it has asked for it.
    const std::string savedLocale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "");
    const std::time_t now = std::time(nullptr);
    bool current = false;
    for (std::time_t t = now - 2; t <= now; ++t) {
        std::tm local = {};
        localtime_s(&local, &t);
        current = current || shown == StrftimeText(local, "%#X") + "\n" + StrftimeText(local, "%#x");
    }
    std::setlocale(LC_ALL, savedLocale.c_str());
    EXPECT_TRUE(current) << "the current local time and long date: " << shown;

    const RECT line = TimeLine(dir, clock);
    for (int second = 0; second < 2; ++second) {
        const std::vector<DWORD> before = ScreenPixels(line);
        EXPECT_TRUE(WaitFor([&] { return ScreenPixels(line) != before; }, 2500, 50))
            << "the time line is drawn again when the second changes";
    }
    Screenshot("clock-time");
    EXPECT_TRUE(app.Exit());

    ClockDocument document;
    ASSERT_TRUE(ParseClockDocument(ReadOnlyDocument(dir, "Notes\\*.VIMOCLOCK"), document));
    EXPECT_EQ(document.header.typeLetters, "T");
    EXPECT_EQ(document.rect.x, kPlaceX);
}

TEST(Clock, ChronometerFromTheContextMenuCountsFreezesAndReopensStoppedAtZero) {
    ProgramDir dir("clock-chronometer");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND clock = NewClockAt(app);
    ASSERT_NE(clock, nullptr);

    PostMessageA(clock, WM_COMMAND, ID_CLOCK_CHRONO, 0);
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(clock) == "00:00:00\nChronometer"; }, 3000)) << WindowTextOf(clock);
    const RECT line = TimeLine(dir, clock);
    const std::vector<DWORD> zero = ScreenPixels(line);

    // Locked, the kap cannot be dragged but still counts clicks.
    PostMessageA(clock, WM_COMMAND, ID_CLOCK_LOCK, 0);
    ClickOn(clock);
    ASSERT_TRUE(WaitFor([&] { return TimeText(clock) != "00:00:00"; }, 2000)) << "a click starts the count";
    ASSERT_TRUE(WaitFor([&] { return TimeText(clock) >= "00:01:50"; }, 4000)) << TimeText(clock);
    EXPECT_NE(ScreenPixels(line), zero);
    Screenshot("clock-chronometer-running");

    ClickOn(clock);
    const std::string frozen = TimeText(clock);
    const std::vector<DWORD> frozenPixels = ScreenPixels(line);
    EXPECT_FALSE(WaitFor([&] { return TimeText(clock) != frozen || ScreenPixels(line) != frozenPixels; }, 1500, 50))
        << "a second click freezes the display";
    Screenshot("clock-chronometer-frozen");

    PostMessageA(clock, WM_COMMAND, ID_CLOCK_RESET, 0);
    EXPECT_TRUE(WaitFor([&] { return TimeText(clock) == "00:00:00"; }, 3000)) << "reset while frozen stops at zero";
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(line) == zero; }, 2000)) << "the same zero as before";
    EXPECT_TRUE(app.Exit());

    ClockDocument document;
    ASSERT_TRUE(ParseClockDocument(ReadOnlyDocument(dir, "Notes\\*.VIMOCLOCK"), document));
    EXPECT_EQ(document.header.typeLetters, "C") << "the mode is saved";
    EXPECT_TRUE(document.header.locked);
    EXPECT_TRUE(document.chronometerMode);

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    HWND reopened = again.WaitNewKap();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(WindowTextOf(reopened), "00:00:00\nChronometer");
    ASSERT_EQ(WindowRectOf(reopened).left, kPlaceX);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(line) == zero; }, 3000)) << "drawn as the stopped zero";
    EXPECT_FALSE(WaitFor([&] { return TimeText(reopened) != "00:00:00"; }, 1500, 50)) << "stopped, not counting";
    Screenshot("clock-chronometer-reopened");

    PostMessageA(reopened, WM_COMMAND, ID_CLOCK_CHRONO, 0);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(reopened).find("Chronometer") == std::string::npos; }, 3000))
        << "Chrono again goes back to the clock";
    EXPECT_TRUE(again.Exit());
    ASSERT_TRUE(ParseClockDocument(ReadOnlyDocument(dir, "Notes\\*.VIMOCLOCK"), document));
    EXPECT_EQ(document.header.typeLetters, "T");
}

} // namespace
} // namespace vimo::e2e
