#include "layer/controls/layer_control_win.h"

#include "layer/layer_host_win.h"

namespace vimo {

CLayerControl::CLayerControl(CLayerHost* host, int x, int y, int width, int height, const char* inputClass,
                             const char* caption, DWORD style, DWORD exStyle)
    : CLayerItem(host, x, y, width, height), element_(std::make_unique<CLayerElement>(width, height, true)) {
    HWND parent = host ? host->Owner() : nullptr;
    if (host) element_->SetPictures(host->Pictures());
    HWND input = CreateWindowExA(exStyle, inputClass, caption, style | WS_CHILD, x, y, width, height, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (input) {
        SetReflectTarget(input, this);
        // The control rides in the input window's user slot, read in the process without asking
        // the window system: every message of the input window passes through InputProc.
        // The procedure is installed as a Unicode one, as the input window's class has it, so text
        // passes between the window and its class without a trip through the ANSI code page.
        SetWindowLongPtrW(input, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InputProc));
    }
    Notifications().target = parent;
    AttachControl(input, element_.get());
}

CLayerControl::~CLayerControl() {
    const bool parentGoing = OwnerGoing() || (Host() && Host()->IsOwnerGoing());
    if (Host()) {
        Host()->RemoveItem(this);
        DetachFromHost();
    }
    HWND input = InputWindow();
    AttachControl(nullptr, nullptr);
    element_.reset();
    if (input) {
        SetWindowLongPtrW(input, GWLP_USERDATA, 0);
        SetReflectTarget(input, nullptr);
        if (!parentGoing) DestroyWindow(input);
    }
}

void CLayerControl::Notify(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (message && Notifications().target) PostMessageA(Notifications().target, message, wParam, lParam);
}

void CLayerControl::NotifyClick(WPARAM clickParam) const {
    if (Notifications().commandId) Notify(WM_COMMAND, Notifications().commandId, 0);
    Notify(Notifications().clickMessage, clickParam);
}

void CLayerControl::StartInputTimer(UINT_PTR id, UINT milliseconds) const {
    if (Input()) SetTimer(Input(), id, milliseconds, nullptr);
}

void CLayerControl::StopInputTimer(UINT_PTR id) const {
    if (Input()) KillTimer(Input(), id);
}

bool CLayerControl::PointerOnInput(POINT* clientPoint) const {
    HWND input = Input();
    POINT p{};
    if (!input || !GetCursorPos(&p)) return false;
    RECT r{};
    const bool inside = IsWindowVisible(input) && GetWindowRect(input, &r) && PtInRect(&r, p);
    if (clientPoint) {
        ScreenToClient(input, &p);
        *clientPoint = p;
    }
    return inside;
}

bool CLayerControl::HasKeyboardFocus() const { return Input() && GetFocus() == Input(); }

LRESULT CLayerControl::CallInputDefault(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return CallInputClass(Input(), msg, wParam, lParam);
}

// The input window's own handling: that of its class, whose procedure InputProc stands in front of.
LRESULT CLayerControl::CallInputClass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)), hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CLayerControl::InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CLayerControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->OnInputMessage(msg, wParam, lParam, result)) return result;
    return CallInputClass(hwnd, msg, wParam, lParam);
}

} // namespace vimo
