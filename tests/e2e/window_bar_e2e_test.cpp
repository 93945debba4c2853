// The window bar as a user meets it: three programs get tiles with their pictures, the tray's
// window commands act on them, a tile's menu maximizes its window, and the bar's new place is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "support/other_program_win.h"

namespace vimo::e2e {
namespace {

constexpr int kBarX = 760, kBarY = 10, kBarWidth = 220, kBarHeight = 560;

HWND FindBar(DWORD processId) {
    for (HWND w : WindowsOfProcess(processId))
        if (WindowTextOf(w) == "VimoRemoteWin" && IsWindowVisible(w)) return w;
    return nullptr;
}

int ChildButtons(HWND bar) {
    int n = 0;
    for (HWND c = FindWindowExA(bar, nullptr, "BUTTON", nullptr); c; c = FindWindowExA(bar, c, "BUTTON", nullptr)) ++n;
    return n;
}

// Pixels of the other program's green page, as the bar shows it (a little darker).
int GreenPixels(const RECT& area) {
    const std::vector<DWORD> pixels = ScreenPixels(area);
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](DWORD p) {
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        return g > r + 50 && g > b + 40;
    }));
}

TEST(WindowBar, ListsThreeProgramsActsOnThemFromTheTrayAndATileMenuAndKeepsItsPlace) {
    ProgramDir dir("window-bar");
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=0\r\nLoadRemoteWIN=1\r\nWinDetectDelay=1\r\n"
                             "RemoteWINPosX=" +
                                 std::to_string(kBarX) + "\r\nRemoteWINPosY=" + std::to_string(kBarY) +
                                 "\r\nRemoteWINPosWidth=" + std::to_string(kBarWidth) +
                                 "\r\nRemoteWINPosHeight=" + std::to_string(kBarHeight) + "\r\n");
    OtherProgram notepad("notepad.exe");
    HWND notepadWindow = notepad.WaitWindow();
    OtherProgram mine("winemine.exe");
    HWND mineWindow = mine.WaitWindow();
    testsupport::OtherWindowProgram other;
    HWND otherWindow = other.MakeWindow(0, 20, 330);
    ASSERT_TRUE(notepadWindow && mineWindow && otherWindow);
    MoveWindow(notepadWindow, 20, 20, 360, 260, TRUE);
    SetWindowPos(mineWindow, nullptr, 420, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND bar = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (bar = FindBar(app.ProcessId())) != nullptr; }, 15000));
    ASSERT_TRUE(WaitFor([&] { return ChildButtons(bar) == 3 + 1; }, 15000)) << "three tiles and the scroll bar";
    const RECT barRect = WindowRectOf(bar);
    EXPECT_EQ(barRect.left, kBarX);
    EXPECT_TRUE(WaitFor([&] { return GreenPixels(barRect) > 2000; }, 10000)) << "the green window's picture";
    Screenshot("window-bar-three-programs");

    const HWND windows[] = {notepadWindow, mineWindow, otherWindow};
    app.Command(ID_WINDOWS_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return std::all_of(std::begin(windows), std::end(windows), IsIconic); }, 10000));
    app.Command(ID_WINDOWS_RESTORE);
    EXPECT_TRUE(WaitFor([&] { return std::none_of(std::begin(windows), std::end(windows), IsIconic); }, 10000));

    // The first tile's menu, "Maximized" picked with the keyboard.
    RightClickAt(barRect.left + 40, barRect.top + 40);
    ASSERT_TRUE(WaitFor([&] { return ShownPopupMenu(app.ProcessId()) != nullptr; }, 5000));
    for (int i = 0; i < 3; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return std::count_if(std::begin(windows), std::end(windows), IsZoomed) == 1; }, 10000));

    // Moved by its empty part below the tiles, the bar keeps its new place for the next start.
    Drag(barRect.left + 100, barRect.bottom - 60, barRect.left - 100, barRect.bottom - 40);
    const RECT moved = WindowRectOf(bar);
    EXPECT_EQ(moved.left, kBarX - 200);
    ASSERT_TRUE(app.Exit());
    const std::string ini = dir.Read("VimoKap.ini");
    EXPECT_NE(ini.find("RemoteWINPosX=" + std::to_string(moved.left) + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RemoteWINPosY=" + std::to_string(moved.top) + "\r\n"), std::string::npos) << ini;
}

} // namespace
} // namespace vimo::e2e
