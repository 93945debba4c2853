// The tray menu's state before it opens.
#include <gtest/gtest.h>

#include "kapframe/tray_menu_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"

namespace vimo {
namespace {

struct LoadedMenu {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS));
    ~LoadedMenu() { DestroyMenu(menu); }
    HMENU Tray() const { return GetSubMenu(menu, 0); }
};

UINT State(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND); }

TEST(TrayMenu, WithoutWindowBarModesAndWindowCommandsAreGreyedAndUnchecked) {
    LoadedMenu menu;
    ASSERT_NE(menu.Tray(), nullptr);
    Settings settings;
    settings.remoteWinOneWinMode = 1;
    settings.remoteWinKillNewWinMode = 1;
    PrepareTrayMenu(menu.Tray(), false, settings);
    for (UINT id : {271u, 289u, 288u, 270u, 266u, 267u, 269u}) {
        EXPECT_TRUE(State(menu.Tray(), id) & MF_GRAYED) << id;
        EXPECT_FALSE(State(menu.Tray(), id) & MF_CHECKED) << id;
    }
    EXPECT_TRUE(State(menu.Tray(), 275) & MF_GRAYED);
    char label[32] = {};
    GetMenuStringA(menu.Tray(), 0, label, sizeof(label), MF_BYPOSITION);
    EXPECT_STREQ(label, "New");
    EXPECT_NE(GetSubMenu(menu.Tray(), 0), nullptr);
}

TEST(TrayMenu, WithWindowBarModesFollowTheirSettings) {
    LoadedMenu menu;
    Settings settings;
    settings.remoteWinOneWinMode = 1;
    settings.remoteWinKillNewWinMode = 0;
    PrepareTrayMenu(menu.Tray(), true, settings);
    EXPECT_TRUE(State(menu.Tray(), 271) & MF_CHECKED);
    EXPECT_FALSE(State(menu.Tray(), 289) & MF_CHECKED);
    for (UINT id : {271u, 289u, 288u, 270u, 266u, 267u, 269u}) EXPECT_FALSE(State(menu.Tray(), id) & MF_GRAYED) << id;
    EXPECT_TRUE(State(menu.Tray(), 275) & MF_GRAYED);
}

} // namespace
} // namespace vimo
