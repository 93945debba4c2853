#include "kapframe/tray_menu_win.h"

#include "base/resource.h"
#include "kapframe/settings.h"

namespace vimo {

void PrepareTrayMenu(HMENU popup, bool hasWindowBar, const Settings& settings) {
    auto check = [&](UINT id, bool on) {
        CheckMenuItem(popup, id, MF_BYCOMMAND | ((hasWindowBar && on) ? MF_CHECKED : MF_UNCHECKED));
    };
    check(ID_ONEWIN_MODE, settings.remoteWinOneWinMode != 0);
    check(ID_KILLNEWWIN_MODE, settings.remoteWinKillNewWinMode != 0);
    for (UINT id :
         {ID_ONEWIN_MODE, ID_KILLNEWWIN_MODE, ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE, ID_WINDOWS_MINIMIZE, ID_WINDOWS_MAXIMIZE, ID_WINDOWS_REDUCE, ID_WINDOWS_CLOSE})
        EnableMenuItem(popup, id, MF_BYCOMMAND | (hasWindowBar ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, ID_NEW_SHORTCUT, MF_BYCOMMAND | MF_GRAYED);
    if (HMENU newMenu = GetSubMenu(popup, IDM_TRAY_NEW))
        ModifyMenuA(popup, IDM_TRAY_NEW, MF_BYPOSITION | MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(newMenu),
                    "New");
}

} // namespace vimo
