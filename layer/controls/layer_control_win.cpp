#include "layer/controls/layer_control_win.h"

#include <commctrl.h>

#include "layer/layer_host_win.h"

namespace vimo {

namespace {
const char kControlProp[] = "VimoLayerControl";
constexpr UINT_PTR kSubclassId = 0x564B; // "VK"
} // namespace

CLayerControl::CLayerControl(CLayerHost* host, int x, int y, int width, int height, const char* inputClass,
                             const char* caption, DWORD style, DWORD exStyle)
    : CLayerItem(host, x, y, width, height), element_(std::make_unique<CLayerElement>(width, height, true)) {
    HWND parent = host ? host->Owner() : nullptr;
    HWND input = CreateWindowExA(exStyle, inputClass, caption, style | WS_CHILD, x, y, width, height, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (input) {
        SetPropA(input, kControlProp, this);
        SetReflectTarget(input, this);
        SetWindowSubclass(input, InputProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    Notifications().target = parent;
    AttachControl(input, element_.get());
}

CLayerControl::~CLayerControl() {
    if (Host()) {
        Host()->RemoveItem(this);
        DetachFromHost();
    }
    HWND input = InputWindow();
    AttachControl(nullptr, nullptr);
    element_.reset();
    if (input) {
        RemoveWindowSubclass(input, InputProc, kSubclassId);
        SetReflectTarget(input, nullptr);
        RemovePropA(input, kControlProp);
        DestroyWindow(input);
    }
}

CLayerControl* CLayerControl::FromInput(HWND input) {
    return static_cast<CLayerControl*>(GetPropA(input, kControlProp));
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

LRESULT CALLBACK CLayerControl::InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR selfParam) {
    auto* self = reinterpret_cast<CLayerControl*>(selfParam);
    LRESULT result = 0;
    if (self && self->OnInputMessage(msg, wParam, lParam, result)) return result;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace vimo
