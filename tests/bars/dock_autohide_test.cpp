// The dock's trigger edge, hide check and fade, driven tick by tick as the window's timers would.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "bars/dock/dock_autohide.h"

namespace vimo {
namespace {

constexpr int kScreenW = 1024, kScreenH = 768;

DockAutoHide Dock(bool fade, const std::string& trigger = "Left", int delay = 3) {
    DockAutoHideOptions options;
    options.autoHide = true;
    options.fade = fade;
    options.hideDelaySeconds = delay;
    options.trigger = trigger;
    return DockAutoHide(options);
}

// Runs fade ticks until the fade timer is stopped; returns the alpha values pushed.
std::vector<int> RunFade(DockAutoHide& dock, DockStep* last = nullptr) {
    std::vector<int> pushed;
    for (int tick = 0; tick < 100; ++tick) {
        const DockStep step = dock.OnFadeTimer();
        if (step.pushAlpha) pushed.push_back(step.alpha);
        if (step.fadeTimer.stop) {
            if (last) *last = step;
            return pushed;
        }
    }
    ADD_FAILURE() << "the fade did not end";
    return pushed;
}

TEST(DockTrigger, OnlyTheFirstLetterInItsExactCaseCounts) {
    EXPECT_EQ(TriggerEdge("Left"), DockEdge::Left);
    EXPECT_EQ(TriggerEdge("Top"), DockEdge::Top);
    EXPECT_EQ(TriggerEdge("Right"), DockEdge::Right);
    EXPECT_EQ(TriggerEdge("Bottom"), DockEdge::Bottom);
    EXPECT_EQ(TriggerEdge("R"), DockEdge::Right);
    EXPECT_EQ(TriggerEdge("Rubbish"), DockEdge::Right);
    EXPECT_EQ(TriggerEdge("right"), DockEdge::None);
    EXPECT_EQ(TriggerEdge("left"), DockEdge::None);
    EXPECT_EQ(TriggerEdge(" Left"), DockEdge::None);
    EXPECT_EQ(TriggerEdge(""), DockEdge::None);
}

TEST(DockTrigger, EachEdgeReactsOnlyOnItsOutermostPixels) {
    EXPECT_TRUE(PointerAtEdge(DockEdge::Right, kScreenW - 1, 300, kScreenW, kScreenH));
    EXPECT_FALSE(PointerAtEdge(DockEdge::Right, kScreenW - 2, 300, kScreenW, kScreenH));
    EXPECT_TRUE(PointerAtEdge(DockEdge::Right, kScreenW + 50, 300, kScreenW, kScreenH)) << "a second monitor";

    EXPECT_TRUE(PointerAtEdge(DockEdge::Left, 0, 300, kScreenW, kScreenH));
    EXPECT_TRUE(PointerAtEdge(DockEdge::Left, -10, 300, kScreenW, kScreenH));
    EXPECT_FALSE(PointerAtEdge(DockEdge::Left, 1, 300, kScreenW, kScreenH));

    EXPECT_TRUE(PointerAtEdge(DockEdge::Top, 500, 0, kScreenW, kScreenH));
    EXPECT_FALSE(PointerAtEdge(DockEdge::Top, 500, 1, kScreenW, kScreenH));

    EXPECT_TRUE(PointerAtEdge(DockEdge::Bottom, 500, kScreenH - 1, kScreenW, kScreenH));
    EXPECT_FALSE(PointerAtEdge(DockEdge::Bottom, 500, kScreenH - 2, kScreenW, kScreenH));

    EXPECT_FALSE(PointerAtEdge(DockEdge::None, 0, 0, kScreenW, kScreenH));
    EXPECT_FALSE(PointerAtEdge(DockEdge::Left, kScreenW - 1, 0, kScreenW, kScreenH)) << "only the chosen edge";
    EXPECT_TRUE(PointerAtEdge(DockEdge::Right, INT_MIN + 1, 0, INT_MIN, kScreenH)) << "no overflow";
}

TEST(DockTrigger, RightCallsTheHiddenDockOnlyFromTheLastColumn) {
    DockAutoHide dock = Dock(false, "Right");
    dock.Start();
    dock.OnHideTimer(false);
    ASSERT_FALSE(dock.Visible());

    DockStep step = dock.OnTriggerTimer(kScreenW - 2, 400, kScreenW, kScreenH);
    EXPECT_FALSE(step.showWindow);
    EXPECT_FALSE(dock.Visible());

    step = dock.OnTriggerTimer(kScreenW - 1, 400, kScreenW, kScreenH);
    EXPECT_TRUE(step.showWindow);
    EXPECT_TRUE(dock.Visible());
    EXPECT_TRUE(step.hideTimer.start);
    EXPECT_EQ(step.hideTimer.period, 3000u);
    EXPECT_FALSE(step.fadeTimer.start) << "no fade without the fade setting";
}

TEST(DockTrigger, ALowerCaseTriggerNeverCallsTheDock) {
    DockAutoHide dock = Dock(true, "right");
    dock.Start();
    RunFade(dock);
    dock.OnHideTimer(false);
    RunFade(dock);
    ASSERT_FALSE(dock.Visible());
    for (int x : {0, kScreenW - 1, kScreenW, 500})
        for (int y : {0, kScreenH - 1, 300}) {
            const DockStep step = dock.OnTriggerTimer(x, y, kScreenW, kScreenH);
            EXPECT_FALSE(step.showWindow) << x << "," << y;
        }
    EXPECT_FALSE(dock.Visible());
}

TEST(DockHideDelay, SecondsToATimerPeriod) {
    EXPECT_EQ(HideDelayPeriod(10), 10000u);
    EXPECT_EQ(HideDelayPeriod(1), 1000u);
    EXPECT_EQ(HideDelayPeriod(0), 0u);
    EXPECT_EQ(HideDelayPeriod(-5), 0u);
    EXPECT_EQ(HideDelayPeriod(INT_MAX), 0x7FFFFFFFu);
}

TEST(DockHideCheck, StaysWhileThePointerIsInsideAndHidesWhenItLeaves) {
    DockAutoHide plain = Dock(false);
    plain.Start();
    DockStep step = plain.OnHideTimer(true);
    EXPECT_TRUE(plain.Visible());
    EXPECT_FALSE(step.hideTimer.stop);
    EXPECT_FALSE(step.hideWindow);

    step = plain.OnHideTimer(false);
    EXPECT_FALSE(plain.Visible());
    EXPECT_TRUE(step.hideTimer.stop);
    EXPECT_TRUE(step.hideWindow) << "without fade the window hides at once";
    EXPECT_FALSE(step.fadeTimer.start);

    DockAutoHide fading = Dock(true);
    fading.Start();
    RunFade(fading);
    step = fading.OnHideTimer(false);
    EXPECT_FALSE(fading.Visible());
    EXPECT_TRUE(fading.Fading());
    EXPECT_TRUE(step.hideTimer.stop);
    EXPECT_FALSE(step.hideWindow) << "with fade the window hides when the fade ends";
    EXPECT_TRUE(step.fadeTimer.start);
    EXPECT_EQ(step.fadeTimer.period, 50u);
}

TEST(DockFade, InFromZeroPasses20To260ThenSettlesOn255) {
    DockAutoHide dock = Dock(true);
    const DockStep start = dock.Start();
    EXPECT_EQ(dock.Alpha(), 0);
    EXPECT_TRUE(start.fadeTimer.start);
    EXPECT_EQ(start.fadeTimer.period, 50u);

    std::vector<int> shown;
    std::vector<int> pushed;
    for (int tick = 0; tick < 14; ++tick) {
        const DockStep step = dock.OnFadeTimer();
        ASSERT_TRUE(step.pushAlpha);
        pushed.push_back(step.alpha);
        shown.push_back(dock.ShownAlpha());
        EXPECT_EQ(step.fadeTimer.stop, tick == 13) << tick;
    }
    const std::vector<int> expectedPushed = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 255};
    EXPECT_EQ(pushed, expectedPushed);
    EXPECT_EQ(shown[12], 255) << "260 is shown as 255";
    EXPECT_EQ(dock.Alpha(), 255);
    EXPECT_FALSE(dock.Fading());
    EXPECT_TRUE(dock.Visible());
}

TEST(DockFade, OutEndsWithTheWindowHidden) {
    DockAutoHide dock = Dock(true);
    dock.Start();
    RunFade(dock);
    dock.OnHideTimer(false);
    DockStep last;
    const std::vector<int> pushed = RunFade(dock, &last);
    ASSERT_GE(pushed.size(), 2u);
    EXPECT_EQ(pushed.front(), 235);
    EXPECT_EQ(pushed[pushed.size() - 2], -5);
    EXPECT_EQ(pushed.back(), 0);
    EXPECT_TRUE(last.hideWindow);
    EXPECT_EQ(dock.ShownAlpha(), 0);
    EXPECT_FALSE(dock.Fading());
    EXPECT_FALSE(dock.Visible());
}

TEST(DockFade, ANegativeStepLeavesTheLastShownAlpha) {
    DockAutoHide dock = Dock(true);
    dock.Start();
    RunFade(dock);
    dock.OnHideTimer(false);
    for (int i = 0; i < 12; ++i) dock.OnFadeTimer(); // 255 - 12 * 20 = 15
    ASSERT_EQ(dock.Alpha(), 15);
    const DockStep step = dock.OnFadeTimer();
    EXPECT_EQ(step.alpha, -5);
    EXPECT_FALSE(step.hideWindow);
    EXPECT_EQ(dock.ShownAlpha(), 15);
}

TEST(DockFade, TheTriggerWaitsWhileAFadeRuns) {
    DockAutoHide dock = Dock(true, "Left");
    dock.Start();
    EXPECT_FALSE(dock.OnTriggerTimer(0, 0, kScreenW, kScreenH).hideTimer.start) << "fading in at start";
    RunFade(dock);
    dock.OnHideTimer(false);
    dock.OnFadeTimer();
    const DockStep ignored = dock.OnTriggerTimer(0, 100, kScreenW, kScreenH);
    EXPECT_FALSE(ignored.showWindow) << "fading out";
    EXPECT_FALSE(dock.Visible());
    RunFade(dock);

    const DockStep called = dock.OnTriggerTimer(0, 100, kScreenW, kScreenH);
    EXPECT_TRUE(called.showWindow);
    EXPECT_TRUE(called.fadeTimer.start);
    EXPECT_TRUE(called.hideTimer.start);
    EXPECT_TRUE(dock.Fading());
    const std::vector<int> pushed = RunFade(dock);
    EXPECT_EQ(pushed.front(), 20) << "fades in again from where the fade-out ended";
    EXPECT_EQ(pushed.back(), 255);
}

TEST(DockFade, CalledWhileVisibleOvershootsOnceAndSettlesOn255) {
    // The pointer sits on the trigger edge beside a shown dock: each call restarts the hide check
    // and runs a short fade-in from 255.
    DockAutoHide dock = Dock(true, "Left");
    dock.Start();
    RunFade(dock);
    const DockStep called = dock.OnTriggerTimer(0, 100, kScreenW, kScreenH);
    EXPECT_TRUE(called.hideTimer.start);
    EXPECT_EQ(RunFade(dock), (std::vector<int>{275, 255}));
    EXPECT_EQ(dock.ShownAlpha(), 255);
}

TEST(DockFade, AHideCheckDuringTheFadeInTurnsItAround) {
    // A hide delay shorter than the fade: the fade-out starts from where the fade-in was.
    DockAutoHide dock = Dock(true, "Left", 0);
    dock.Start();
    for (int i = 0; i < 5; ++i) dock.OnFadeTimer();
    ASSERT_EQ(dock.Alpha(), 100);
    const DockStep hide = dock.OnHideTimer(false);
    EXPECT_TRUE(hide.fadeTimer.start);
    DockStep last;
    EXPECT_EQ(RunFade(dock, &last), (std::vector<int>{80, 60, 40, 20, 0, -20, 0}));
    EXPECT_TRUE(last.hideWindow);
    EXPECT_EQ(dock.ShownAlpha(), 0);
}

TEST(DockFade, AStrayTickAfterTheEndChangesNothing) {
    DockAutoHide dock = Dock(true);
    dock.Start();
    RunFade(dock);
    const DockStep stray = dock.OnFadeTimer();
    EXPECT_FALSE(stray.pushAlpha);
    EXPECT_TRUE(stray.fadeTimer.stop);
    EXPECT_EQ(dock.Alpha(), 255);
}

TEST(DockAutoHideStart, TimersAndAlphaByTheSettings) {
    DockAutoHideOptions off;
    off.autoHide = false;
    off.fade = true;
    DockAutoHide always(off);
    DockStep step = always.Start();
    EXPECT_EQ(always.Alpha(), 255);
    EXPECT_FALSE(step.triggerTimer.start);
    EXPECT_FALSE(step.hideTimer.start);
    EXPECT_FALSE(step.fadeTimer.start);
    EXPECT_TRUE(always.Visible());

    DockAutoHide plain = Dock(false, "Left", 7);
    step = plain.Start();
    EXPECT_EQ(plain.Alpha(), 255);
    EXPECT_TRUE(step.triggerTimer.start);
    EXPECT_EQ(step.triggerTimer.period, 200u);
    EXPECT_TRUE(step.hideTimer.start);
    EXPECT_EQ(step.hideTimer.period, 7000u);
    EXPECT_FALSE(step.fadeTimer.start);

    DockAutoHide fading = Dock(true, "Left", 7);
    step = fading.Start();
    EXPECT_EQ(fading.Alpha(), 0);
    EXPECT_EQ(fading.ShownAlpha(), 0);
    EXPECT_TRUE(step.triggerTimer.start);
    EXPECT_TRUE(step.hideTimer.start);
    EXPECT_TRUE(step.fadeTimer.start);
    EXPECT_TRUE(fading.Fading());
}

TEST(DockAutoHideCycle, VisibleFadingOutHiddenFadingInVisible) {
    DockAutoHide dock = Dock(true, "Bottom", 2);
    dock.Start();
    RunFade(dock);
    ASSERT_TRUE(dock.Visible());
    ASSERT_FALSE(dock.Fading());

    // The pointer is in the middle of the screen: the trigger does nothing, the hide check hides.
    EXPECT_FALSE(dock.OnTriggerTimer(500, 300, kScreenW, kScreenH).showWindow);
    dock.OnHideTimer(false);
    DockStep last;
    RunFade(dock, &last);
    EXPECT_TRUE(last.hideWindow);
    EXPECT_FALSE(dock.Visible());

    const DockStep called = dock.OnTriggerTimer(500, kScreenH - 1, kScreenW, kScreenH);
    EXPECT_TRUE(called.showWindow);
    EXPECT_EQ(called.hideTimer.period, 2000u);
    RunFade(dock);
    EXPECT_TRUE(dock.Visible());
    EXPECT_EQ(dock.ShownAlpha(), 255);
    EXPECT_FALSE(dock.OnHideTimer(true).hideTimer.stop) << "the pointer went onto the dock";
}

} // namespace
} // namespace vimo
