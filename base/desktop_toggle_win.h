#pragma once
// "Show desktop" and "show windows": the shell's automation object where it works; otherwise the
// program minimises the other programs' windows itself and restores exactly those afterwards.
#include <windows.h>

#include <vector>

namespace vimo {

class DesktopToggle {
public:
    void MinimizeAll();
    void UndoMinimizeAll();

private:
    std::vector<HWND> minimized_; // windows this object minimised itself
};

// The shell's task bar window ("Shell_TrayWnd").
HWND TaskbarWindow();
void ShowTaskbar(bool show);

} // namespace vimo
