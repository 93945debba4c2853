#include "bars/dock/dock_menu_win.h"

#include "wnd/menu_handle_win.h"
#include "kapframe/tray_menu_win.h"
#include "base/resource.h"

namespace vimo {

namespace {

// Copies the entries of one popup into another at a position; returns the position after them.
UINT CopyMenuEntries(HMENU from, HMENU to, UINT at) {
    const int count = from ? GetMenuItemCount(from) : 0;
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof(text) - 1;
        if (!GetMenuItemInfoA(from, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.fType & MFT_SEPARATOR)
            InsertMenuA(to, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        else
            InsertMenuA(to, at++, MF_BYPOSITION | MF_STRING, info.wID, text);
    }
    return at;
}

} // namespace

HMENU PrepareDockMenu(HMENU menu, const DockMenuState& state, bool hasWindowBar, const Settings& settings) {
    HMENU popup = menu ? GetSubMenu(menu, IDM_POPUP_TRAY) : nullptr;
    HMENU add = popup ? GetSubMenu(popup, IDM_TRAY_NEW) : nullptr;
    HMENU own = menu ? GetSubMenu(menu, IDM_POPUP_DOCK_ICON) : nullptr;
    if (!add || !own) return nullptr;
    // The tray's rules first (window bar entries, greyed new-shortcut, "New"), then the dock's.
    PrepareTrayMenu(popup, hasWindowBar, settings);
    ModifyMenuA(popup, IDM_TRAY_NEW, MF_BYPOSITION | MF_STRING | MF_POPUP | (state.add ? MF_ENABLED : MF_GRAYED),
                reinterpret_cast<UINT_PTR>(add), "Add");
    EnableCommand(add, ID_NEW_SHORTCUT, state.add);
    const UINT after = CopyMenuEntries(own, popup, IDM_TRAY_NEW + 1);
    InsertMenuA(popup, after, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    EnableCommand(popup, ID_DOCK_ICON_EDIT, state.edit);
    EnableCommand(popup, ID_DOCK_ICON_REMOVE, state.remove);
    CheckMenuItem(popup, ID_DOCK_LOCK, MF_BYCOMMAND | (state.locked ? MF_CHECKED : MF_UNCHECKED));
    return popup;
}

} // namespace vimo
