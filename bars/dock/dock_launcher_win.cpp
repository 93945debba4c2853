#include "bars/dock/dock_launcher_win.h"

#include <shellapi.h>

#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_start_menu.h"

namespace vimo {

namespace {

constexpr UINT kShellTimeoutMs = 2000; // messages to the shell's windows never hang the dock
constexpr DWORD kSlidePauseMs = 5;

bool ShellOpened(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

} // namespace

void DockLauncher::OpenShell(const std::string& target) const {
    if (ShellOpened(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL))) return;
    if (const std::optional<ShellLaunch> again = ShellPlaceFallback(target))
        ShellExecuteA(nullptr, "open", again->file.c_str(), again->parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

void DockLauncher::ToggleTaskbar() {
    if (HWND taskbar = TaskbarWindow()) ShowTaskbar(!IsWindowVisible(taskbar));
}

void DockLauncher::OpenStartMenu() {
    HWND taskbar = TaskbarWindow();
    HWND button = taskbar ? FindWindowExA(taskbar, nullptr, "Button", nullptr) : nullptr;
    if (!button) return;
    SendMessageTimeoutA(button, BM_SETSTATE, TRUE, 0, SMTO_ABORTIFHUNG, kShellTimeoutMs, nullptr);
    HWND menu = FindWindowA("DV2ControlHost", nullptr);
    if (!menu) {
        // A shell whose start button opens its menu only when clicked: release it and click it.
        SendMessageTimeoutA(button, BM_SETSTATE, FALSE, 0, SMTO_ABORTIFHUNG, kShellTimeoutMs, nullptr);
        PostMessageA(button, BM_CLICK, 0, 0);
        return;
    }
    RECT r = {};
    GetWindowRect(menu, &r);
    POINT pointer = {};
    GetCursorPos(&pointer);
    const DockPoint target = StartMenuTarget(DockPoint{pointer.x, pointer.y}, r.right - r.left, r.bottom - r.top,
                                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const std::vector<DockPoint> path = StartMenuSlide(DockPoint{r.left, r.top}, target);
    for (std::size_t i = 0; i < path.size(); ++i) {
        SetWindowPos(menu, nullptr, path[i].x, path[i].y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (i + 1 < path.size()) Sleep(kSlidePauseMs);
    }
}

} // namespace vimo
