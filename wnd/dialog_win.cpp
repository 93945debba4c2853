#include "wnd/dialog_win.h"

#include "wnd/reflect_win.h"

namespace vimo {

Dialog::~Dialog() { DestroyWindowNow(); }

INT_PTR Dialog::DoModal(HWND parent) {
    modal_ = true;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

HWND Dialog::Create(HWND parent) {
    modal_ = false;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::EndModal(INT_PTR result) {
    if (hwnd_ && modal_) EndDialog(hwnd_, result);
}

void Dialog::DestroyWindowNow() {
    if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

void Dialog::LeaveWindowToSystem() {
    if (!hwnd_ || modal_) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    OnDestroy();
    SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
    hwnd_ = nullptr;
}

// The object rides in the dialog's own user slot, read in the process without asking the window
// system: every message of every kap passes here.
Dialog* Dialog::FromHandle(HWND hwnd) { return reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER)); }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Dialog* self = FromHandle(hwnd);
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return FALSE;
    INT_PTR handled = self->Dispatch(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleMessage(msg, wParam, lParam, result)) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND:
        if (lParam) {
            if (ReflectTarget* control = GetReflectTarget(reinterpret_cast<HWND>(lParam)))
                if (control->OnReflectedCommand(HIWORD(wParam))) return TRUE;
        }
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_TIMER: OnTimer(wParam); return TRUE;
    case WM_DESTROY: OnDestroy(); return FALSE;
    default: return FALSE;
    }
}

} // namespace vimo
