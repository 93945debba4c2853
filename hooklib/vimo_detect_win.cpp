// The hook procedures run in every thread of every program of the desktop, for every message: each
// does at most one class-name lookup, a few comparisons and one post.
#include "hooklib/vimo_detect_win.h"

#include <cstring>

namespace {

// One copy for every process the library is loaded into. Written by installhook in the program
// before the hooks exist; the hook procedures only read it.
__attribute__((section(".shared"), shared)) HWND g_target = nullptr;
__attribute__((section(".shared"), shared)) HHOOK g_returnHook = nullptr;
__attribute__((section(".shared"), shared)) HHOOK g_callHook = nullptr;

// This process's copy of the library.
HMODULE g_module = nullptr;

constexpr int kClassBuffer = 100;

bool ClassBegins(HWND window, const char* prefix) {
    char name[kClassBuffer] = {};
    GetClassNameA(window, name, kClassBuffer);
    return std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

bool IsReportedChange(UINT message) {
    switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_SIZING:
    case WM_MOVING: return true;
    default: return false;
    }
}

// Whether this process is the one the target window belongs to. Its own windows are not news to it.
bool InTargetProcess(HWND target) {
    DWORD process = 0;
    GetWindowThreadProcessId(target, &process);
    return process == GetCurrentProcessId();
}

} // namespace

void installhook(HWND target) {
    // Hooks of an earlier call go first: installed twice, every report would come twice, and the
    // first hooks could never be removed.
    removehook();
    g_target = target;
    g_returnHook = SetWindowsHookExA(WH_CALLWNDPROCRET, WinProc, g_module, 0);
    g_callHook = SetWindowsHookExA(WH_CALLWNDPROC, ChangeProc, g_module, 0);
    if (!g_callHook) MessageBoxA(nullptr, "Unable to install hook", "Error!", MB_OK);
}

void removehook() {
    if (g_returnHook) UnhookWindowsHookEx(g_returnHook);
    if (g_callHook) UnhookWindowsHookEx(g_callHook);
    g_returnHook = nullptr;
    g_callHook = nullptr;
}

LRESULT CALLBACK ChangeProc(int code, WPARAM flag, LPARAM data) {
    // A message sent by the window's own thread is the program's own doing, not news.
    if (code >= 0 && flag == 0) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(data);
        const HWND target = g_target;
        if (target && call->hwnd != target && IsReportedChange(call->message) && !ClassBegins(call->hwnd, "tool"))
            PostMessageA(target, vimo::detect::kWindowChanged, reinterpret_cast<WPARAM>(call->hwnd), call->message);
    }
    return CallNextHookEx(nullptr, code, flag, data);
}

LRESULT CALLBACK WinProc(int code, WPARAM flag, LPARAM data) {
    // WM_CREATE and WM_DESTROY always come from the window's own thread, so the sender flag cannot
    // tell other programs' windows from the program's own: the process of the target window does.
    if (code >= 0) {
        const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(data);
        const HWND target = g_target;
        // Only windows with a parent or an owner are reported: a program's dialogs and controls
        // come and go with its top-level windows.
        if (target && (ret->message == WM_CREATE || ret->message == WM_DESTROY) && GetParent(ret->hwnd) &&
            !ClassBegins(ret->hwnd, "too") && !InTargetProcess(target))
            PostMessageA(target, vimo::detect::kWindowBornOrGone, reinterpret_cast<WPARAM>(ret->hwnd),
                         ret->message == WM_CREATE ? vimo::detect::kBorn : vimo::detect::kGone);
    }
    return CallNextHookEx(nullptr, code, flag, data);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
