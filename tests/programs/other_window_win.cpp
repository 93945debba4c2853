// other_window.exe: a small program whose windows the tests make, move, close and count on order
// (see other_window_protocol.h), standing for "another program" beside VimoKap.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "programs/other_window_protocol.h"

namespace {

using namespace vimo::other;

constexpr const char* kWindowClass = "VimoOtherWindow";
constexpr UINT_PTR kBurstTimer = 1;

std::map<HWND, int> g_closes;
std::map<HWND, bool> g_confirm;
int g_made = 0;
WPARAM g_mark = 0;
int g_burstLeft = 0;
DWORD g_burstDone = 0;
DWORD g_lastBirth = 0;
DWORD g_longestGap = 0;

HWND MakeWindow(WPARAM flags, int x, int y) {
    const std::string title = "Other " + std::to_string(++g_made);
    HWND w = CreateWindowExA(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, x, y, 240, 160, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (!w) return nullptr;
    CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE, 20, 20, 80, 28, w, nullptr, nullptr, nullptr);
    g_confirm[w] = (flags & kConfirmClose) != 0;
    ShowWindow(w, (flags & kMaximized) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(w);
    const DWORD now = GetTickCount();
    if (g_lastBirth && now - g_lastBirth > g_longestGap) g_longestGap = now - g_lastBirth;
    g_lastBirth = now;
    return w;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        ++g_closes[hwnd];
        if (!g_confirm[hwnd]) DestroyWindow(hwnd);
        return 0;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(RGB(40, 150, 60));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kMakeWindow:
        return reinterpret_cast<LRESULT>(
            MakeWindow(wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
    case kMakeBurst:
        g_burstLeft = static_cast<int>(wParam);
        g_burstDone = 0;
        g_lastBirth = 0;
        g_longestGap = 0;
        MakeWindow(0, 40 + 12 * g_burstLeft, 40 + 12 * g_burstLeft);
        if (--g_burstLeft > 0)
            SetTimer(hwnd, kBurstTimer, static_cast<UINT>(lParam), nullptr);
        else
            g_burstDone = GetTickCount();
        return 0;
    case WM_TIMER:
        if (wParam == kBurstTimer) {
            MakeWindow(0, 40 + 12 * g_burstLeft, 40 + 12 * g_burstLeft);
            if (--g_burstLeft <= 0) {
                KillTimer(hwnd, kBurstTimer);
                g_burstDone = GetTickCount();
            }
        }
        return 0;
    case kBurstDoneTick: return static_cast<LRESULT>(g_burstDone);
    case kBurstLongestGap: return static_cast<LRESULT>(g_longestGap);
    case kMoveSelf: {
        HWND w = reinterpret_cast<HWND>(wParam);
        SendMessageA(w, WM_MOVE, 0, MAKELPARAM(60, 60));
        RECT r;
        GetWindowRect(w, &r);
        SetWindowPos(w, nullptr, r.left + 10, r.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case kMakeOwned: {
        const bool tooltip = lParam == 1;
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, tooltip ? TOOLTIPS_CLASSA : kWindowClass, "Owned", WS_POPUP,
                                                         0, 0, 50, 30, reinterpret_cast<HWND>(wParam), nullptr,
                                                         GetModuleHandleA(nullptr), nullptr));
    }
    case kDestroy: DestroyWindow(reinterpret_cast<HWND>(wParam)); return 0;
    case kCloseCount: return g_closes[reinterpret_cast<HWND>(wParam)];
    case kMark: g_mark = wParam; return 0;
    case kLastMark: return static_cast<LRESULT>(g_mark);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    wc.lpfnWndProc = ControlProc;
    wc.lpszClassName = kControlClass;
    RegisterClassA(&wc);
    if (!CreateWindowExA(0, kControlClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
