#include "kaps/media/vimo_remote_video_win.h"

#include "wnd/window_class_win.h"

namespace vimo {

namespace {

constexpr const char* kClassName = "VimoRemoteVideo";

} // namespace

CVimoRemoteVideo::CVimoRemoteVideo(const RECT& place) {
    if (!RegisterPlainWindowClass(kClassName, DefWindowProcA)) return;
    // A tool window: no task bar button of its own beside the kap's.
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP | WS_CLIPCHILDREN, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
}

CVimoRemoteVideo::~CVimoRemoteVideo() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void CVimoRemoteVideo::MoveTo(int x, int y, bool repaint) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (repaint) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CVimoRemoteVideo::Follow(HWND parent, bool topMost) {
    if (!hwnd_) return;
    SetParent(hwnd_, parent);
    SetWindowPos(hwnd_, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace vimo
