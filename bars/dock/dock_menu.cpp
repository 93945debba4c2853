#include "bars/dock/dock_menu.h"

#include "kapframe/kap_types.h"
#include "base/resource.h"

namespace vimo {

namespace {

// The tray menu's own commands besides its "New" sub-menu.
constexpr unsigned kControllerCommands[] = {
    ID_OPEN_TRASH,     ID_SHOW_DESKTOP,    ID_SHOW_WINDOWS,     ID_TOGGLE_TASKBAR,   ID_ALL_TO_FRONT,
    ID_ALL_TO_BACK,    ID_LOCK_ALL,        ID_UNLOCK_ALL,       ID_ONEWIN_MODE,      ID_KILLNEWWIN_MODE,
    ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE, ID_WINDOWS_MINIMIZE, ID_WINDOWS_MAXIMIZE, ID_WINDOWS_REDUCE,
    ID_WINDOWS_CLOSE,  ID_APP_OPTIONS,     ID_APP_EXIT,
};

} // namespace

DockMenuCommand ClassifyDockMenuCommand(unsigned command) {
    if (command == ID_NEW_SHORTCUT || KapTypeFromCommand(command)) return DockMenuCommand::AddIcon;
    switch (command) {
    case ID_DOCK_ICON_EDIT: return DockMenuCommand::EditIcon;
    case ID_DOCK_ICON_REMOVE: return DockMenuCommand::RemoveIcon;
    case ID_DOCK_LOCK: return DockMenuCommand::Lock;
    default: break;
    }
    for (unsigned id : kControllerCommands)
        if (id == command) return DockMenuCommand::Controller;
    return DockMenuCommand::Nothing;
}

DockMenuState DockMenuStateFor(bool locked, bool overIcon) {
    DockMenuState state;
    state.add = !locked;
    state.edit = !locked && overIcon;
    state.remove = !locked && overIcon;
    state.locked = locked;
    return state;
}

} // namespace vimo
