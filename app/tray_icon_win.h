#pragma once
// The notification-area icon of a window; removed again when the object goes.
#include <windows.h>

#include <string>

namespace vimo {

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon; false when the shell did not take it (not ready yet): call Add() again later.
    bool Add(HWND owner, UINT callbackMessage, HICON icon, const std::string& tip);
    bool Add();
    // The shell has started again (its "TaskbarCreated" message) and knows no icons: adds it again.
    bool Restore();
    bool Shown() const { return shown_; }
    void Remove();

    // The message the shell broadcasts when its task bar is made (again).
    static UINT TaskbarCreatedMessage();

private:
    HWND owner_ = nullptr;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    std::string tip_;
    bool shown_ = false;
};

} // namespace vimo
