#include "base/desktop_toggle_win.h"

#include <shldisp.h>

#include "base/com_ptr_win.h"
#include "base/window_list_win.h"

namespace vimo {

namespace {

// Calls one method of the shell's automation object; false when the object or the method is missing.
template <typename Method> bool CallShell(Method method) {
    ComPtr<IShellDispatch> shell;
    if (FAILED(CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER, IID_IShellDispatch,
                                reinterpret_cast<void**>(shell.Receive()))))
        return false;
    return SUCCEEDED((shell.Get()->*method)());
}

bool IsOtherProgramsWindow(const TopLevelWindowList& list, std::size_t i) {
    const auto& entry = list.At(i);
    if (entry.processId == GetCurrentProcessId()) return false;
    if (entry.className == "Shell_TrayWnd" || entry.className == "Progman") return false;
    const LONG_PTR style = GetWindowLongPtrA(entry.window, GWL_STYLE);
    return (style & WS_MINIMIZEBOX) || (style & WS_CAPTION) == WS_CAPTION;
}

} // namespace

void DesktopToggle::MinimizeAll() {
    if (CallShell(&IShellDispatch::MinimizeAll)) return;
    TopLevelWindowList list;
    list.Build(TopLevelWindowList::kVisibleOnly | TopLevelWindowList::kWithoutParent);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        HWND window = list.At(i).window;
        if (!IsOtherProgramsWindow(list, i) || IsIconic(window)) continue;
        ShowWindowAsync(window, SW_MINIMIZE);
        minimized_.push_back(window);
    }
}

void DesktopToggle::UndoMinimizeAll() {
    if (CallShell(&IShellDispatch::UndoMinimizeALL)) return;
    // Restore bottom first so the window that was on top ends on top again.
    for (auto it = minimized_.rbegin(); it != minimized_.rend(); ++it)
        if (IsWindow(*it) && IsIconic(*it)) ShowWindowAsync(*it, SW_RESTORE);
    minimized_.clear();
}

HWND TaskbarWindow() { return FindWindowA("Shell_TrayWnd", nullptr); }

void ShowTaskbar(bool show) {
    if (HWND taskbar = TaskbarWindow()) ShowWindow(taskbar, show ? SW_SHOW : SW_HIDE);
}

} // namespace vimo
