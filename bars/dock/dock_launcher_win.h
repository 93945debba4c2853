#pragma once
// What the dock's icons start outside the program: shell places and shortcuts, the shell's
// minimise-all and its undo, the task bar switch and the system start menu.
#include <windows.h>

#include <string>

#include "base/desktop_toggle_win.h"

namespace vimo {

class DockLauncher {
public:
    // ShellExecute "open" on the target (no parameters, no directory, normal window). A shell place
    // the shell does not open itself is tried again through the explorer.
    void OpenShell(const std::string& target) const;
    void MinimizeAll() { desktop_.MinimizeAll(); }
    void UndoMinimizeAll() { desktop_.UndoMinimizeAll(); }
    // Shows the task bar when it is hidden, hides it when it is visible.
    static void ToggleTaskbar();
    // Pushes the task bar's start button and slides the start menu to the pointer.
    static void OpenStartMenu();

private:
    DesktopToggle desktop_;
};

} // namespace vimo
