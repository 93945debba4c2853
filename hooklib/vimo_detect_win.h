#pragma once
// VimoDetect: two global window hooks that tell one window (the window bar) that windows of other
// programs were created, destroyed, moved, sized or scrolled. The system loads this library into
// every program with a message loop while the hooks are installed; the hook procedures run there
// and post their news to the target window.
#include <windows.h>

#ifdef VIMO_DETECT_BUILD
#define VIMO_DETECT_API __declspec(dllexport)
#else
#define VIMO_DETECT_API __declspec(dllimport)
#endif

namespace vimo::detect {

// Posted to the target: wParam the window, lParam the message it is about to receive (WM_MOVE,
// WM_SIZE, WM_HSCROLL, WM_VSCROLL, WM_PARENTNOTIFY, WM_SIZING or WM_MOVING).
constexpr UINT kWindowChanged = 1779;
// Posted to the target: wParam the window, lParam kBorn after WM_CREATE or kGone after WM_DESTROY.
constexpr UINT kWindowBornOrGone = 1780;
constexpr LPARAM kBorn = 1;
constexpr LPARAM kGone = 2;

} // namespace vimo::detect

// The exports keep the names of these C++ signatures, by which the program binds them.
// Stores the target window and installs both hooks for every thread of the desktop; a failed
// installation is reported in a message box.
VIMO_DETECT_API void installhook(HWND target);
// Removes both hooks.
VIMO_DETECT_API void removehook();
// After a window procedure has returned (WH_CALLWNDPROCRET): reports windows born and gone.
VIMO_DETECT_API LRESULT CALLBACK WinProc(int code, WPARAM flag, LPARAM data);
// Before a window procedure is called (WH_CALLWNDPROC): reports windows moved, sized or scrolled.
VIMO_DETECT_API LRESULT CALLBACK ChangeProc(int code, WPARAM flag, LPARAM data);
