// The clock kap's window under Wine: the locale's time and long date, the chronometer driven by
// clicks and context-menu commands, and the mode kept in the document.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <memory>
#include <set>

#include "base/profile_store_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kapframe/document_file_win.h"
#include "kaps/desk/clock/clock_document.h"
#include "kaps/desk/clock/time_text.h"
#include "kaps/desk/clock/vimo_clock_win.h"
#include "layer/layer_test_support_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

using layertest::PumpUntil;

using layertest::PumpMessages;

class TestClock : public CVimoClock {
public:
    using CVimoClock::CVimoClock;
    using CVimoClock::PrepareContextMenu;
};

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_s(&local, &now);
    return local;
}

class ClockKapTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-clock-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        WinProfileStore store;
        settings_.Load(store, dir_);
    }
    

    std::unique_ptr<TestClock> Make(const std::string& path = "") {
        auto clock = MakeWholeDialog<TestClock>(host_, settings_, path);
        EXPECT_TRUE(clock->CreateKap());
        ShowWindow(clock->Hwnd(), SW_SHOWNOACTIVATE);
        return clock;
    }
    static void Command(TestClock& clock, UINT id) { SendMessageA(clock.Hwnd(), WM_COMMAND, id, 0); }
    // A click on the kap; the kap is locked first so that the click does not start a window drag.
    static void Click(TestClock& clock) {
        if (!clock.Locked()) clock.SetLocked(true);
        SendMessageA(clock.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        SendMessageA(clock.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    }
    static bool ChronoChecked(TestClock& clock) {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, ID_CLOCK_CHRONO, "Chrono");
        clock.PrepareContextMenu(menu);
        const bool checked = (GetMenuState(menu, ID_CLOCK_CHRONO, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DestroyMenu(menu);
        return checked;
    }
    static std::string WindowText(HWND hwnd, std::size_t room = 256) {
        std::string buffer(room, '\0');
        const LRESULT length = SendMessageA(hwnd, WM_GETTEXT, room, reinterpret_cast<LPARAM>(&buffer[0]));
        buffer.resize(static_cast<std::size_t>(length));
        return buffer;
    }

    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
};

TEST_F(ClockKapTest, ShowsTheLocaleTimeAndLongDateAndTicksEverySecond) {
    const std::string before = StrftimeText(LocalNow(), "%#X");
    auto clock = Make();
    const std::tm local = LocalNow();
    const std::string after = StrftimeText(local, "%#X");
    EXPECT_TRUE(clock->TimeLineText() == before || clock->TimeLineText() == after) << clock->TimeLineText();
    EXPECT_EQ(clock->DateLineText(), StrftimeText(local, "%#x"));
    EXPECT_NE(clock->DateLineText(), StrftimeText(local, "%x")) << "the long date, not the short one";
    EXPECT_EQ(WindowText(clock->Hwnd()), clock->TimeLineText() + "\n" + clock->DateLineText());
    EXPECT_EQ(WindowText(clock->Hwnd(), 3), clock->TimeLineText().substr(0, 2)) << "a short buffer is filled";
    EXPECT_FALSE(ChronoChecked(*clock));

    const std::string shown = clock->TimeLineText();
    EXPECT_TRUE(PumpUntil([&] { return clock->TimeLineText() != shown; }, 2500)) << "the time line follows the clock";

    clock->SaveDocument();
    std::string text;
    ASSERT_EQ(ReadDocument(clock->DocumentPath(), text), DocumentRead::Ok);
    ClockDocument document;
    ASSERT_TRUE(ParseClockDocument(text, document));
    EXPECT_EQ(document.header.typeLetters, "T");
    EXPECT_FALSE(document.chronometerMode);
}

TEST_F(ClockKapTest, ChronometerStartsFreezesResumesAndResetsOnClicksAndCommands) {
    auto clock = Make();
    Command(*clock, ID_CLOCK_CHRONO);
    EXPECT_EQ(clock->TimeLineText(), "00:00:00");
    EXPECT_TRUE(clock->Dirty()) << "the mode is saved";
    EXPECT_TRUE(PumpUntil([&] { return clock->DateLineText() == "Chronometer"; }, 1500))
        << "the next tick writes the date line";
    EXPECT_TRUE(ChronoChecked(*clock));
    EXPECT_FALSE(PumpUntil([&] { return clock->TimeLineText() != "00:00:00"; }, 1200))
        << "stopped: the ticks leave the time line alone";

    Click(*clock); // a locked kap still counts
    EXPECT_EQ(clock->Model().State(), ChronoState::Running);
    std::set<std::string> seen;
    EXPECT_TRUE(PumpUntil(
        [&] {
            seen.insert(clock->TimeLineText());
            return seen.size() >= 5;
        },
        700))
        << "refreshed several times within a second while running";

    Click(*clock);
    EXPECT_EQ(clock->Model().State(), ChronoState::Frozen);
    const std::string frozen = clock->TimeLineText();
    EXPECT_FALSE(PumpUntil([&] { return clock->TimeLineText() != frozen; }, 1200)) << "frozen";
    EXPECT_FALSE(KillTimer(clock->Hwnd(), kChronoTimer)) << "the fast timer stops while frozen";

    Click(*clock);
    EXPECT_EQ(clock->Model().State(), ChronoState::Running);
    ASSERT_TRUE(PumpUntil([&] { return clock->TimeLineText() != frozen; }, 500));
    // The frozen second and more count: the display jumps past the frozen value at once.
    EXPECT_GE(clock->TimeLineText().substr(0, 5), "00:01") << clock->TimeLineText();

    Command(*clock, ID_CLOCK_RESET);
    EXPECT_EQ(clock->TimeLineText(), "00:00:00");
    EXPECT_EQ(clock->Model().State(), ChronoState::Running) << "a reset while running counts on";
    EXPECT_TRUE(PumpUntil([&] { return clock->TimeLineText() != "00:00:00"; }, 500));
    EXPECT_LT(clock->TimeLineText().substr(0, 5), "00:01") << clock->TimeLineText();

    Command(*clock, ID_CLOCK_CHRONO);
    EXPECT_EQ(clock->Model().State(), ChronoState::Off);
    EXPECT_EQ(clock->DateLineText(), StrftimeText(LocalNow(), "%#x"));
    EXPECT_NE(clock->TimeLineText().find(':'), std::string::npos);
    EXPECT_FALSE(KillTimer(clock->Hwnd(), kChronoTimer)) << "switching off stops the fast timer";
    EXPECT_FALSE(ChronoChecked(*clock));
}

TEST_F(ClockKapTest, SavedInChronometerModeReopensStoppedAtZero) {
    auto clock = Make();
    Command(*clock, ID_CLOCK_CHRONO);
    Click(*clock);
    ASSERT_TRUE(PumpUntil([&] { return clock->TimeLineText() != "00:00:00"; }, 1000));
    clock->SaveDocument();
    const std::string path = clock->DocumentPath();
    std::string text;
    ASSERT_EQ(ReadDocument(path, text), DocumentRead::Ok);
    EXPECT_EQ(text.substr(15, 3), "LCN") << "locked, chronometer, not top-most: " << text;
    clock.reset();

    auto again = Make(path);
    EXPECT_EQ(again->Model().State(), ChronoState::Stopped);
    EXPECT_EQ(WindowText(again->Hwnd()), "00:00:00\nChronometer");
    EXPECT_TRUE(again->Locked());
    EXPECT_FALSE(PumpUntil([&] { return again->TimeLineText() != "00:00:00"; }, 1200)) << "not running";
}

} // namespace
} // namespace vimo
