// The calculator kap as a user meets it: created from the tray menu, its buttons clicked with the
// mouse, the numeric keypad typed on while the pointer rests on it.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/messages.h"
#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"

namespace vimo::e2e {
namespace {

constexpr int kPlaceX = 450, kPlaceY = 150; // clear of the dock in the top-left corner

int CalcSkin(const ProgramDir& dir, const std::string& key) {
    return static_cast<int>(GetPrivateProfileIntA("VimoCalcSkin", key.c_str(), -1,
                                                  dir.File("Skin\\Default\\VimoCalc\\Skin.VimoCalc").c_str()));
}

// The screen rectangle of an element of the calculator ("Screen", "Button7", "ButtonPM").
RECT Element(const ProgramDir& dir, HWND calc, const std::string& prefix) {
    const RECT w = WindowRectOf(calc);
    const int x = w.left + CalcSkin(dir, prefix + "XPos"), y = w.top + CalcSkin(dir, prefix + "YPos");
    return RECT{x, y, x + CalcSkin(dir, prefix + "Width"), y + CalcSkin(dir, prefix + "Height")};
}

HWND NewCalcAt(VimoProcess& app) {
    const std::vector<HWND> before = app.Kaps();
    app.Command(ID_NEW_CALC);
    HWND kap = app.WaitNewKap(before);
    if (!kap) return nullptr;
    SetWindowPos(kap, nullptr, kPlaceX, kPlaceY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(kap).left == kPlaceX && WindowRectOf(kap).top == kPlaceY; }, 3000);
    // Wine shows a layered window that was moved with the screen's old pixels until its next update;
    // clear all (which draws the screen again) makes the kap show its own picture.
    SendMessageTimeoutA(kap, WMU_CALC_CLEAR, 0, 0, SMTO_BLOCK, 5000, nullptr);
    return kap;
}

TEST(Calc, ButtonsClickedWithTheMouseComputeFromLeftToRight) {
    ProgramDir dir("calc-mouse");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND calc = NewCalcAt(app);
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(WindowTextOf(calc), "0");
    const RECT screen = Element(dir, calc, "Screen");
    const std::vector<DWORD> zero = ScreenPixels(screen);

    auto click = [&](const char* button, const char* expected) {
        const RECT r = Element(dir, calc, button);
        ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) == expected; }, 3000))
            << button << " should show " << expected << ", shows " << WindowTextOf(calc);
    };
    click("Button2", "2");
    click("ButtonA", "2");
    click("Button3", "3");
    click("ButtonX", "5");
    click("Button4", "4");
    click("ButtonR", "20");
    MouseMove(WindowRectOf(calc).left + 8, WindowRectOf(calc).bottom + 40); // off the kap: no hover look
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(screen) != zero; }, 2000)) << "the screen shows the result";
    Screenshot("calc-after-computation");

    click("ButtonC", "0");
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(screen) == zero; }, 2000)) << "cleared, it looks as at the start";

    // Locked, the calculator keeps computing; the lock picture shows on the screen.
    PostMessageA(calc, WM_COMMAND, ID_CALC_LOCK, 0);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(screen) != zero; }, 2000)) << "the lock picture appears";
    click("Button9", "9");
    Screenshot("calc-locked");
    EXPECT_TRUE(app.Exit());
}

TEST(Calc, NumericKeypadReachesTheEngineButTheMainDigitRowDoesNot) {
    ProgramDir dir("calc-keypad");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND calc = NewCalcAt(app);
    ASSERT_NE(calc, nullptr);

    // The pointer over the kap gives it the keyboard focus.
    SetForegroundWindow(calc);
    const RECT screen = Element(dir, calc, "Screen");
    MouseMove(screen.left + 6, screen.top + 6);
    MouseMove(screen.left + 8, screen.top + 7);
    ASSERT_TRUE(WaitFor(
        [&] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return GetGUIThreadInfo(GetWindowThreadProcessId(calc, nullptr), &info) &&
                   (info.hwndFocus == calc || IsChild(calc, info.hwndFocus));
        },
        3000))
        << "the hovered calculator has the keyboard focus";
    for (WORD key : {VK_NUMPAD2, VK_ADD, VK_NUMPAD3, VK_MULTIPLY, VK_NUMPAD4, VK_RETURN}) PressKey(key);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) == "20"; }, 3000)) << WindowTextOf(calc);

    // After "=", a typed number starts again: a mapped 7 would show before the 5.
    PressKey('7');
    PressKey(VK_NUMPAD5);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) != "20"; }, 3000));
    EXPECT_EQ(WindowTextOf(calc), "5") << "the main digit row is not mapped";

    for (WORD key : {VK_DECIMAL, VK_NUMPAD2, VK_SUBTRACT, VK_NUMPAD1, VK_DIVIDE, VK_NUMPAD8, VK_BACK}) PressKey(key);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) == "0"; }, 3000)) << "Backspace clears the entry";
    for (WORD key : {VK_NUMPAD2, VK_RETURN}) PressKey(key);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) == "2.1"; }, 3000)) << WindowTextOf(calc);
    PressKey(VK_DELETE);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(calc) == "0"; }, 3000)) << "Delete clears everything";
    Screenshot("calc-keypad");
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
