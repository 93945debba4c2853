#include "bars/launch_bar_win.h"

#include <windowsx.h>

#include "layer/layer_host_win.h"

namespace vimo {

namespace {

bool PrimaryButtonDown() {
    return (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

} // namespace

CLaunchBar::CLaunchBar(KapHost& host, Settings& settings, SkinType skin, DockAutoHideOptions autoHide)
    : CKapChrome(host, settings, skin), autoHide_(std::move(autoHide)) {}

void CLaunchBar::ReassertTopMost() const {
    if (AlwaysOnTop()) SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- moving and resizing ----------------------------------------------------------------------

void CLaunchBar::OnLeftButtonDown() {
    ReassertTopMost();
    if (Locked()) return;
    SetDirty();
    // Where the button went down (screen coordinates), not where the pointer is by now.
    const DWORD pressed = GetMessagePos();
    POINT client = {GET_X_LPARAM(pressed), GET_Y_LPARAM(pressed)};
    ScreenToClient(Hwnd(), &client);
    switch (ClassifyDockPress(false, client.x, client.y, Rect().width, Rect().height)) {
    case DockPress::Resize: StartResize(); break;
    case DockPress::Move: StartMove(); break;
    case DockPress::Nothing: break;
    }
}

void CLaunchBar::StartResize() {
    const DWORD pressed = GetMessagePos(); // the drag counts from where the button went down
    resize_.emplace(GET_X_LPARAM(pressed), GET_Y_LPARAM(pressed), Rect().width, Rect().height);
    Host().SetResizing(true);
    SetCapture(Hwnd());
    SetTimer(Hwnd(), kDockResizeTimer, kDockResizePeriod, nullptr);
}

void CLaunchBar::ResizeStep() {
    if (!resize_) return;
    POINT p = {};
    GetCursorPos(&p);
    if (resize_->Track(p.x, p.y, MinimumWidth(), MinimumHeight())) {
        OnResizeTo(resize_->Width(), resize_->Height());
        SetDirty();
    }
    if (!PrimaryButtonDown() || GetCapture() != Hwnd()) EndResize();
}

void CLaunchBar::EndResize() {
    if (!resize_) return;
    resize_.reset();
    KillTimer(Hwnd(), kDockResizeTimer);
    if (GetCapture() == Hwnd()) ReleaseCapture();
    Host().SetResizing(false);
}

// --- auto-hide --------------------------------------------------------------------------------

void CLaunchBar::ApplyTimer(UINT_PTR id, const DockTimerOrder& order) {
    if (order.stop) KillTimer(Hwnd(), id);
    if (order.start) SetTimer(Hwnd(), id, order.period, nullptr);
}

void CLaunchBar::Apply(const DockStep& step) {
    ApplyTimer(kDockTriggerTimer, step.triggerTimer);
    ApplyTimer(kDockHideTimer, step.hideTimer);
    ApplyTimer(kDockFadeTimer, step.fadeTimer);
    if (step.showWindow && !IsWindowVisible(Hwnd())) {
        ShowWindow(Hwnd(), SW_SHOWNA);
        ReassertTopMost();
        Layer()->Refresh(); // at the alpha last shown; the viewport items are drawn again now that they are shown
    }
    if (step.pushAlpha) Layer()->SetAlpha(step.alpha);
    if (step.hideWindow) ShowWindow(Hwnd(), SW_HIDE);
}

bool CLaunchBar::PointerInside() const {
    POINT p = {};
    RECT r = {};
    return GetCursorPos(&p) && GetWindowRect(Hwnd(), &r) && PtInRect(&r, p);
}

void CLaunchBar::OnTimer(UINT_PTR id) {
    switch (id) {
    case kDockTriggerTimer: {
        POINT p = {};
        GetCursorPos(&p);
        Apply(autoHide_.OnTriggerTimer(p.x, p.y, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        break;
    }
    case kDockHideTimer: Apply(autoHide_.OnHideTimer(modalOpen_ || resize_.has_value() || PointerInside())); break;
    case kDockFadeTimer: Apply(autoHide_.OnFadeTimer()); break;
    case kDockResizeTimer: ResizeStep(); break;
    default: CKapChrome::OnTimer(id); break;
    }
}

void CLaunchBar::CloseBar() {
    HWND hwnd = Hwnd();
    if (!hwnd) return;
    EndResize();
    StopSaveTimer();
    for (UINT_PTR timer : {kDockHideTimer, kDockTriggerTimer, kDockFadeTimer}) KillTimer(hwnd, timer);
    SaveDocument();
}

bool CLaunchBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLeftButtonDown();
        result = 0;
        return true;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (resize_) ResizeStep();
        return false;
    case WM_SETCURSOR: {
        if (Locked()) return false;
        POINT p = {};
        GetCursorPos(&p);
        ScreenToClient(Hwnd(), &p);
        if (resize_ || ClassifyDockPress(false, p.x, p.y, Rect().width, Rect().height) == DockPress::Resize) {
            SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_MOVE:
        if (CLayerHost* layer = Layer()) layer->SyncWindowRect();
        return false;
    default: return CKapChrome::HandleMessage(msg, wParam, lParam, result);
    }
}

} // namespace vimo
