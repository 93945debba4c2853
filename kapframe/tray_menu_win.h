#pragma once
// The tray menu's popup, shared by the tray icon and the dock's context menu.
#include <windows.h>

namespace vimo {

class Settings;

// Applies the rules that hold before the tray menu opens to its popup: the window commands and the
// two mode toggles are enabled (and the toggles checked by their settings) only with a window bar;
// the new-shortcut entry is greyed; the first entry is labelled "New".
void PrepareTrayMenu(HMENU popup, bool hasWindowBar, const Settings& settings);

} // namespace vimo
