#include "app/shell_watch_win.h"

#include "app/tray_icon_win.h"

namespace vimo {

ShellWatch::ShellWatch(std::function<void()> endOfSession, std::function<void()> taskbarCreated)
    : endOfSession_(std::move(endOfSession)), taskbarCreated_(std::move(taskbarCreated)) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass); // fails harmlessly when the class is there already
    // A top-level popup that is never shown: message-only windows hear no broadcasts.
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
}

ShellWatch::~ShellWatch() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void ShellWatch::Run(const std::function<void()>& action) {
    if (!action) return;
    try {
        action();
    } catch (...) {
        // Nothing may leave a window procedure; what could be done is done.
    }
}

LRESULT CALLBACK ShellWatch::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ShellWatch*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == TrayIcon::TaskbarCreatedMessage()) {
        Run(self->taskbarCreated_);
        return 0;
    }
    switch (msg) {
    case WM_QUERYENDSESSION:
        // Saved now, while there is time: the session may end without a WM_ENDSESSION for us.
        if (self) Run(self->endOfSession_);
        return TRUE;
    case WM_ENDSESSION:
        if (wParam && self) Run(self->endOfSession_);
        return 0;
    case WM_NCDESTROY: SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); break;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace vimo
