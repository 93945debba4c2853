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

    bool Add(HWND owner, UINT callbackMessage, HICON icon, const std::string& tip);
    void Remove();

private:
    HWND owner_ = nullptr;
};

} // namespace vimo
