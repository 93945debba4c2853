#pragma once
// Builds the dock's context menu inside a loaded copy of the controller's menu (resource 129): the
// tray popup with its first entry relabelled "Add", the new-shortcut entry enabled there, the
// dock's own entries ("Edit Icon...", "Remove Icon", "Lock") right after it, and the states of the
// entries the dock's state decides.
#include <windows.h>

#include "bars/dock/dock_menu.h"

namespace vimo {

class Settings;

// Returns the popup to show, or null when the menu lacks the popups it is built from.
HMENU PrepareDockMenu(HMENU menu, const DockMenuState& state, bool hasWindowBar, const Settings& settings);

} // namespace vimo
