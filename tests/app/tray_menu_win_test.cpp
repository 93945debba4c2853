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
    HMENU Tray() const { return GetSubMenu(menu, IDM_POPUP_TRAY); }
};

UINT State(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND); }

TEST(TrayMenu, WithoutWindowBarModesAndWindowCommandsAreGreyedAndUnchecked) {
    LoadedMenu menu;
    ASSERT_NE(menu.Tray(), nullptr);
    Settings settings;
    settings.remoteWinOneWinMode = 1;
    settings.remoteWinKillNewWinMode = 1;
    PrepareTrayMenu(menu.Tray(), false, settings);
    for (UINT id : {ID_ONEWIN_MODE, ID_KILLNEWWIN_MODE, ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE, ID_WINDOWS_MINIMIZE,
                    ID_WINDOWS_MAXIMIZE, ID_WINDOWS_CLOSE}) {
        EXPECT_TRUE(State(menu.Tray(), id) & MF_GRAYED) << id;
        EXPECT_FALSE(State(menu.Tray(), id) & MF_CHECKED) << id;
    }
    EXPECT_TRUE(State(menu.Tray(), ID_NEW_SHORTCUT) & MF_GRAYED);
    char label[32] = {};
    GetMenuStringA(menu.Tray(), IDM_TRAY_NEW, label, sizeof(label), MF_BYPOSITION);
    EXPECT_STREQ(label, "New");
    EXPECT_NE(GetSubMenu(menu.Tray(), IDM_TRAY_NEW), nullptr);
}

TEST(TrayMenu, WithWindowBarModesFollowTheirSettings) {
    LoadedMenu menu;
    Settings settings;
    settings.remoteWinOneWinMode = 1;
    settings.remoteWinKillNewWinMode = 0;
    PrepareTrayMenu(menu.Tray(), true, settings);
    EXPECT_TRUE(State(menu.Tray(), ID_ONEWIN_MODE) & MF_CHECKED);
    EXPECT_FALSE(State(menu.Tray(), ID_KILLNEWWIN_MODE) & MF_CHECKED);
    for (UINT id : {ID_ONEWIN_MODE, ID_KILLNEWWIN_MODE, ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE, ID_WINDOWS_MINIMIZE,
                    ID_WINDOWS_MAXIMIZE, ID_WINDOWS_CLOSE})
        EXPECT_FALSE(State(menu.Tray(), id) & MF_GRAYED) << id;
    EXPECT_TRUE(State(menu.Tray(), ID_NEW_SHORTCUT) & MF_GRAYED);
}

} // namespace
} // namespace vimo
