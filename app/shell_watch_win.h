#pragma once
// ShellWatch: a hidden top-level window that hears what the system tells every top-level window:
// the end of the user's session (log-off, shut-down, restart) and a new task bar after the shell
// has started again. The controller is a child of the desktop window and hears neither.
#include <windows.h>

#include <functional>

namespace vimo {

class ShellWatch {
public:
    // The window's class name, by which it can be found.
    static constexpr const char* kClassName = "VimoKapShellWatch";

    // endOfSession runs when the session is about to end and again when it ends; taskbarCreated
    // when the shell's task bar has been made again (it then knows no tray icons).
    ShellWatch(std::function<void()> endOfSession, std::function<void()> taskbarCreated);
    ~ShellWatch();
    ShellWatch(const ShellWatch&) = delete;
    ShellWatch& operator=(const ShellWatch&) = delete;

    HWND Hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void Run(const std::function<void()>& action);

    std::function<void()> endOfSession_;
    std::function<void()> taskbarCreated_;
    HWND hwnd_ = nullptr;
};

} // namespace vimo
