#pragma once
// The orders a test gives the "other program" (other_window.exe) through its control window, a
// message-only window of class kControlClass. Each is sent with SendMessage and answered when done.
#include <windows.h>

namespace vimo::other {

constexpr const char* kControlClass = "VimoOtherProgramControl";

enum Order : UINT {
    // A visible top-level window titled "Other <n>" at (lParam x, y) with a button inside (the
    // button's birth is what the hooks report). wParam: kConfirmClose and kMaximized flags.
    // Answers the window.
    kMakeWindow = WM_APP + 1,
    // wParam windows like kMakeWindow's, lParam milliseconds apart (timer driven); answers at once.
    kMakeBurst,
    // GetTickCount when the last window of the burst was made; 0 while the burst runs.
    kBurstDoneTick,
    // The longest time in milliseconds between the births of two windows of the last burst.
    kBurstLongestGap,
    // The window wParam is moved by its own thread: a WM_MOVE sent to it, then a SetWindowPos.
    kMoveSelf,
    // A window owned by wParam: of class "tooltips_class32" when lParam is 1, otherwise plain.
    // Answers the window.
    kMakeOwned,
    // Destroys the window wParam.
    kDestroy,
    // How many WM_CLOSE the window wParam has received (also after it is gone).
    kCloseCount,
    // Posted, not sent, with a token in wParam; kLastMark answers the last token taken. Once it
    // answers a token, everything posted to the program before it has been handled.
    kMark,
    kLastMark,
};

enum MakeFlags : WPARAM {
    kConfirmClose = 1, // WM_CLOSE is counted but the window stays, as one asking "Save changes?" would
    kMaximized = 2,
};

} // namespace vimo::other
