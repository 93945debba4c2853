// The window bar's rules free of the platform: which windows get tiles, which are closed in
// kill-new-window mode, which are minimized in one-window mode, and where the tiles go.
#include <gtest/gtest.h>

#include "bars/window_bar/window_bar_layout.h"
#include "bars/window_bar/window_scan.h"

namespace vimo {
namespace {

constexpr unsigned long kOwn = 7;

ScanEntry Entry(std::uintptr_t window, const std::string& program, const std::string& title = "Title",
                unsigned long process = 100) {
    return ScanEntry{window, title, program, process};
}

std::vector<std::uintptr_t> Tiles(const ScanPlan& plan) {
    std::vector<std::uintptr_t> windows;
    for (const ScanEntry& e : plan.newTiles) windows.push_back(e.window);
    return windows;
}

ScanRules Rules() {
    ScanRules rules;
    rules.ownProcess = kOwn;
    rules.exclude[0] = "C:\\APPS\\HIDDEN.EXE";
    rules.exclude[1] = "C:\\APPS\\B.EXE";
    for (int i = 2; i < 10; ++i) rules.exclude[i] = "C:\\APPS\\FILL" + std::to_string(i) + ".EXE";
    return rules;
}

TEST(WindowScan, SkipsUntitledDesktopOwnExcludedMediaPlayerAndListedWindows) {
    const std::vector<ScanEntry> entries = {
        Entry(1, "c:\\apps\\a.exe"),
        Entry(2, "c:\\apps\\a.exe", ""), // no title
        Entry(3, "c:\\windows\\explorer.exe", "Program Manager"),
        Entry(4, "c:\\vimo\\VimoKap.exe", "Note", kOwn), // this program
        Entry(5, "c:\\Apps\\Hidden.exe"),                // excluded, compared upper-cased
        Entry(6, "c:\\apps\\WMPlayer.exe"),
        Entry(7, "c:\\apps\\wmplayer.exe"), // "WMP" is matched in its case only
        Entry(8, "c:\\apps\\c.exe"),        // listed already
        Entry(1, "c:\\apps\\a.exe"),        // twice in one scan
    };
    ScanRules rules = Rules();
    EXPECT_EQ(Tiles(PlanScan(entries, rules, {{8, "c:\\apps\\c.exe"}})), (std::vector<std::uintptr_t>{1, 6, 7}));
    rules.mediaRemoteExists = true;
    EXPECT_EQ(Tiles(PlanScan(entries, rules, {{8, "c:\\apps\\c.exe"}})), (std::vector<std::uintptr_t>{1, 7}));
}

TEST(WindowScan, AWindowWhoseProgramIsUnknownIsLeftOutWhileAnExclusionSlotIsEmpty) {
    ScanRules rules = Rules();
    EXPECT_EQ(Tiles(PlanScan({Entry(1, "")}, rules, {})).size(), 1u) << "ten exclusions set";
    rules.exclude[9].clear();
    EXPECT_TRUE(PlanScan({Entry(1, "")}, rules, {}).newTiles.empty());
}

TEST(WindowScan, KillNewWindowModeClosesOnlyNewWindowsOfARescan) {
    const std::vector<ScanEntry> entries = {Entry(1, "c:\\a.exe"), Entry(2, "c:\\b.exe"), Entry(3, "c:\\a.exe")};
    ScanRules rules;
    rules.killNewWindows = true;
    EXPECT_EQ(Tiles(PlanScan(entries, rules, {})).size(), 3u) << "the first scan closes nothing";

    rules.rescan = true;
    ScanPlan plan = PlanScan(entries, rules, {{2, "c:\\b.exe"}});
    EXPECT_TRUE(plan.newTiles.empty());
    EXPECT_EQ(plan.closeWindow, (std::vector<std::uintptr_t>{1, 3})) << "no kill application: every new window";

    // With a kill application, a new window of it is closed once that program has a tile: the first
    // new one of this scan gets the tile, the second is closed. Others are left alone.
    rules.killApp = "c:\\a.exe";
    plan = PlanScan(entries, rules, {});
    EXPECT_EQ(Tiles(plan), (std::vector<std::uintptr_t>{1, 2}));
    EXPECT_EQ(plan.closeWindow, (std::vector<std::uintptr_t>{3}));
    rules.killApp = "C:\\A.EXE"; // compared in its case
    EXPECT_TRUE(PlanScan(entries, rules, {{9, "c:\\a.exe"}}).closeWindow.empty());
}

TEST(WindowScan, OneWindowModeMinimizesTheOthersAndMaximizedOnesOnlyWhenAsked) {
    const std::vector<WindowShowState> listed = {
        {1, false, false}, {2, false, true}, {3, true, false}, {4, false, false}};
    EXPECT_EQ(OthersToMinimize(listed, 4, false), (std::vector<std::uintptr_t>{1}));
    EXPECT_EQ(OthersToMinimize(listed, 4, true), (std::vector<std::uintptr_t>{1, 2}));
}

TEST(WindowBarLayout, TilesStackBesideTheScrollBarOnEitherSideAndScrollByTheHiddenPart) {
    WindowBarMetrics m;
    m.marginLeft = 14, m.marginRight = 14, m.marginTop = 14, m.marginBottom = 26;
    m.screenWidth = 160, m.screenHeight = 120, m.screenVSpacing = 8;
    m.scrollWidth = 8, m.scrollHMargin = 4, m.scrollOnRight = true;
    WindowBarLayout layout = LayoutWindowBar(m, 200, 420, 3);
    EXPECT_EQ(layout.listArea.x, 14);
    EXPECT_EQ(layout.listArea.width, 160);
    EXPECT_EQ(layout.listArea.height, 380);
    EXPECT_EQ(layout.scroll.x, 178);
    EXPECT_EQ(layout.listLength, 3 * 128 - 8);
    EXPECT_EQ(WindowTileRect(m, layout, 2).y, 14 + 256);

    m.scrollOnRight = false;
    layout = LayoutWindowBar(m, 200, 420, 3);
    EXPECT_EQ(layout.scroll.x, 14);
    EXPECT_EQ(layout.listArea.x, 26);

    EXPECT_EQ(WindowBarScrollOffset(376, 380, 100), 0) << "a list that fits";
    EXPECT_EQ(WindowBarScrollOffset(503, 380, 33), 40) << "123 * 33 / 100, truncated";
    EXPECT_EQ(WindowBarScrollOffset(503, 380, 100), 123);
}

} // namespace
} // namespace vimo
