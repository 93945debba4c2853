#include "app/tray_icon_win.h"

#include <shellapi.h>

#include <cstring>

namespace vimo {

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, const std::string& tip) {
    Remove();
    owner_ = owner;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    tip_ = tip;
    return Add();
}

bool TrayIcon::Add() {
    if (!owner_ || shown_) return shown_;
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = 0;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    std::strncpy(data.szTip, tip_.c_str(), sizeof(data.szTip) - 1);
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return shown_;
}

bool TrayIcon::Restore() {
    shown_ = false;
    return Add();
}

void TrayIcon::Remove() {
    if (!owner_) return;
    if (shown_) {
        NOTIFYICONDATAA data = {};
        data.cbSize = sizeof(data);
        data.hWnd = owner_;
        data.uID = 0;
        Shell_NotifyIconA(NIM_DELETE, &data);
    }
    shown_ = false;
    owner_ = nullptr;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

} // namespace vimo
