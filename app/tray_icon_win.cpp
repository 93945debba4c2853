#include "app/tray_icon_win.h"

#include <shellapi.h>

#include <cstring>

namespace vimo {

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, const std::string& tip) {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 0;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    std::strncpy(data.szTip, tip.c_str(), sizeof(data.szTip) - 1);
    if (!Shell_NotifyIconA(NIM_ADD, &data)) return false;
    owner_ = owner;
    return true;
}

void TrayIcon::Remove() {
    if (!owner_) return;
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = 0;
    Shell_NotifyIconA(NIM_DELETE, &data);
    owner_ = nullptr;
}

} // namespace vimo
