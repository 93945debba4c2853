#pragma once
// The dock's context menu: the controller's tray menu with its "New" sub-menu relabelled "Add"
// (appending icons instead of creating kaps) and the dock's own entries. What each command the
// menu returns means to the dock, and which entries the user may choose.
#include <cstddef>

namespace vimo {

enum class DockMenuCommand {
    Nothing,    // no entry chosen, or a number the menu does not hold
    AddIcon,    // an entry of "Add": append an icon (a kap type, or a shortcut)
    EditIcon,   // the icon dialog for the icon under the pointer
    RemoveIcon, // remove the icon under the pointer
    Lock,       // toggle the lock
    Controller, // any other entry of the tray menu: the controller carries it out
};

DockMenuCommand ClassifyDockMenuCommand(unsigned command);

// Entries of the menu the user may choose, by the dock's state.
struct DockMenuState {
    bool add = true;     // the "Add" sub-menu and its new-shortcut entry
    bool edit = false;   // "Edit Icon..."
    bool remove = false; // "Remove Icon"
    bool locked = false; // check mark of "Lock"
};

// A locked dock changes no icon; editing and removing need an icon under the pointer.
DockMenuState DockMenuStateFor(bool locked, bool overIcon);

} // namespace vimo
