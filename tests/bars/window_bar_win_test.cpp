// The window bar with other programs' windows under Wine: a burst of new windows gives one
// rescan, kill-new-window mode closes what comes up later, one-window mode keeps one window in
// front, the close command asks each window once, excluded programs stay out.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "bars/window_bar/vimo_remote_win_win.h"
#include "base/profile_store_win.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/fake_kap_host_win.h"
#include "kapframe/settings.h"
#include "layer/controls/layer_screen_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_test_support_win.h"
#include "support/other_program_win.h"

namespace vimo {
namespace {

using layertest::PumpFor;
using layertest::PumpUntil;
using testsupport::OtherWindowProgram;

class WindowBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(other_.Control(), nullptr);
        WinProfileStore store;
        settings_.Load(store, e2e::WindowsPath(VIMO_PROGRAM_DIR)); // no VimoKap.ini there: the defaults
        settings_.remoteWinAlwaysOnTop = 0;
        settings_.remoteWinPosX = 780;
        settings_.remoteWinPosY = 10;
        settings_.remoteWinPosHeight = 700;
    }
    void TearDown() override { bar_.reset(); }

    CVimoRemoteWin& Make() {
        bar_ = MakeRemoteWin(host_, settings_);
        EXPECT_NE(bar_, nullptr);
        return *bar_;
    }
    bool Listed(HWND window) const { return bar_->TileOf(window) != nullptr; }

    GdiplusSession gdiplus_;
    OtherWindowProgram other_;
    kaptest::FakeKapHost host_;
    Settings settings_;
    std::unique_ptr<CVimoRemoteWin> bar_;
};

// Ten windows asked for 40 ms apart; Wine takes its time to make each, so what counts is that no two
// came 500 ms apart.
TEST_F(WindowBarTest, ABurstOfTenWindowsGivesOneRescan500MsAfterTheLast) {
    CVimoRemoteWin& bar = Make();
    ASSERT_EQ(bar.ScanCount(), 1u);
    other_.Order(other::kMakeBurst, 10, 40);
    ASSERT_TRUE(PumpUntil([&] { return bar.TileCount() == 10; }, 15000)) << bar.TileCount();
    const DWORD last = static_cast<DWORD>(other_.Order(other::kBurstDoneTick));
    ASSERT_LT(other_.Order(other::kBurstLongestGap), 450) << "the burst was not one";
    PumpFor(700); // another rescan would have come by now
    EXPECT_EQ(bar.ScanCount(), 2u);
    EXPECT_GE(bar.LastScanTick() - last, 500u - 20u);
}

TEST_F(WindowBarTest, KillNewWindowModeClosesTheWindowsThatComeUpLaterAndKeepsTheOlderOnes) {
    HWND older = other_.MakeWindow();
    settings_.remoteWinKillNewWinMode = 1;
    CVimoRemoteWin& bar = Make();
    ASSERT_TRUE(Listed(older));
    HWND later = other_.MakeWindow();
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(later); }, 5000));
    EXPECT_EQ(other_.CloseCount(later), 1);
    EXPECT_TRUE(IsWindow(older));
    EXPECT_EQ(other_.CloseCount(older), 0);
    EXPECT_EQ(bar.TileCount(), 1u);
}

TEST_F(WindowBarTest, OneWindowModeBringsTheClickedWindowForwardAndMinimizesTheNormalOthers) {
    HWND clicked = other_.MakeWindow(0, 10, 10);
    HWND maximized = other_.MakeWindow(other::kMaximized);
    HWND normal = other_.MakeWindow(0, 300, 300);
    settings_.remoteWinOneWinMode = 1;
    CVimoRemoteWin& bar = Make();
    ASSERT_EQ(bar.TileCount(), 3u);
    bar.TileOf(clicked)->Click();
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(normal) && !IsIconic(clicked); }, 5000));
    other_.Settle();
    EXPECT_TRUE(IsZoomed(maximized) && !IsIconic(maximized)) << "maximized windows are left as they are";

    bar_.reset(); // in one-window mode the bar shows the windows it minimized again as it goes
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(normal); }, 5000));
}

TEST_F(WindowBarTest, CloseAsksEachListedWindowOnceAndTheOnesThatAskTheUserStay) {
    HWND asking = other_.MakeWindow(other::kConfirmClose);
    HWND plain = other_.MakeWindow();
    CVimoRemoteWin& bar = Make();
    ASSERT_EQ(bar.TileCount(), 2u);
    bar.CloseAll();
    ASSERT_TRUE(other_.Settle());
    EXPECT_EQ(other_.CloseCount(asking), 1);
    EXPECT_EQ(other_.CloseCount(plain), 1);
    EXPECT_TRUE(IsWindow(asking));
    EXPECT_FALSE(IsWindow(plain));
}

TEST_F(WindowBarTest, AnExcludedProgramNeverGetsATile) {
    HWND before = other_.MakeWindow();
    e2e::OtherProgram notepad("notepad.exe");
    HWND notepadWindow = notepad.WaitWindow();
    ASSERT_NE(notepadWindow, nullptr);
    std::string excluded = other_.ExecutablePath();
    for (char& c : excluded) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    settings_.exclude[3] = excluded;
    CVimoRemoteWin& bar = Make();
    EXPECT_TRUE(Listed(notepadWindow));
    EXPECT_FALSE(Listed(before));
    HWND later = other_.MakeWindow();
    ASSERT_TRUE(PumpUntil([&] { return bar.ScanCount() == 2; }, 5000));
    EXPECT_FALSE(Listed(later));
    EXPECT_EQ(bar.TileCount(), 1u);
}

} // namespace
} // namespace vimo
