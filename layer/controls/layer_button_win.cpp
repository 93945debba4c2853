#include "layer/controls/layer_button_win.h"

#include <windowsx.h>

#include "layer/colour_matrix.h"

namespace vimo {

CLayerButton::CLayerButton(CLayerHost* host, int x, int y, int width, int height)
    : CLayerControl(host, x, y, width, height, "BUTTON", "CButton", WS_CHILD | WS_VISIBLE | BS_FLAT) {}

void CLayerButton::SetNormalZoom(int percent) {
    normalZoom_ = ClampLuminosityPercent(percent);
    if (!hovered_) Elem().SetImageZoom(normalZoom_);
}

void CLayerButton::SetHoverLuminosity(int percent) {
    hoverLuminosity_ = ClampLuminosityPercent(percent);
    if (hovered_) Elem().SetImagesLuminosityPercent(hoverLuminosity_);
}

void CLayerButton::SetTextOnlyOnHover(bool onlyOnHover) {
    textOnlyOnHover_ = onlyOnHover;
    Elem().ShowBlock(TextBlockId::Text, hovered_ || !onlyOnHover);
}

void CLayerButton::SetTitleOnlyOnHover(bool onlyOnHover) {
    titleOnlyOnHover_ = onlyOnHover;
    Elem().ShowBlock(TextBlockId::Title, hovered_ || !onlyOnHover);
}

bool CLayerButton::OnReflectedCommand(UINT code) {
    if (code != BN_CLICKED) return false;
    OnClick();
    return true;
}

void CLayerButton::OnClick() { NotifyClick(); }

void CLayerButton::ApplyHoverLook(bool hovered) {
    if (normalZoom_ != 100) Elem().SetImageZoom(hovered ? 100 : normalZoom_);
    if (hoverLuminosity_ != 100) Elem().SetImagesLuminosityPercent(hovered ? hoverLuminosity_ : 100);
    if (textOnlyOnHover_) Elem().ShowBlock(TextBlockId::Text, hovered);
    if (titleOnlyOnHover_) Elem().ShowBlock(TextBlockId::Title, hovered);
}

HCURSOR CLayerButton::Cursor() const { return LoadCursor(nullptr, IDC_HAND); }

bool CLayerButton::OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_MOUSEMOVE:
        OnPointerMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return false; // the button still tracks a pressed state
    case WM_TIMER:
        if (wParam == kLeaveTimer) {
            CheckLeave();
            return true;
        }
        if (wParam == kRepaintTimer) {
            if (repaintPending_) {
                repaintPending_ = false;
                Repaint();
            }
            return true;
        }
        return false;
    case WM_LBUTTONDOWN:
        if (IsFocusable()) return false; // focus now, click on release
        OnClick();
        return true;
    case WM_LBUTTONDBLCLK:
        Notify(Notifications().doubleClickMessage);
        if (!doubleClickIsPress_) return true; // the first press was the click
        // A button that counts quick presses (the calculator's) takes the second one as a press too.
        if (IsFocusable()) return false;
        OnClick();
        return true;
    case WM_RBUTTONDOWN:
        // The message names the button pressed: it is posted, and the pointer may have gone on over
        // another button by the time it is handled.
        Notify(Notifications().rightButtonMessage, reinterpret_cast<WPARAM>(Input()));
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (IsFocusable()) OnFocusChange(msg == WM_SETFOCUS);
        return false;
    case WM_SETCURSOR:
        if (HCURSOR cursor = Cursor()) {
            SetCursor(cursor);
            result = TRUE;
            return true;
        }
        return false;
    default: return false;
    }
}

void CLayerButton::OnPointerMove(int x, int y) {
    const LayerRect r = Rect();
    if (!stay_.Accept(x, y, r.width, r.height)) return;
    const LayerNotifications& n = Notifications();
    if (stay_.TakeEnter(n.enterMessage != 0)) Notify(n.enterMessage);
    Notify(n.moveMessage, static_cast<WPARAM>(x), static_cast<LPARAM>(y));
    if (hovered_) return;
    hovered_ = true;
    ApplyHoverLook(true);
    repaintPending_ = true;
    BringToFront();
    if (IsFocusable() && !HasKeyboardFocus()) SetFocus(Input());
    StartInputTimer(kLeaveTimer, kTimerMs);
    StartInputTimer(kRepaintTimer, kTimerMs);
}

void CLayerButton::CheckLeave() {
    if (!hovered_) return;
    if (PointerOnInput() && IsTopmost()) return;
    StopInputTimer(kLeaveTimer);
    StopInputTimer(kRepaintTimer);
    hovered_ = false;
    ApplyHoverLook(false);
    Repaint();
    if (stay_.TakeLeave(Notifications().leaveMessage != 0)) Notify(Notifications().leaveMessage);
    // The last position is kept: a mouse move repeated at the same place (windows moving under a
    // pointer that stays) does not start the hover again.
}

void CLayerButton::OnFocusChange(bool gained) {
    if (gained) {
        Elem().SetFrameOn(true);
        repaintPending_ = true;
        StartInputTimer(kRepaintTimer, kTimerMs);
        BringToFront();
    } else {
        StopInputTimer(kRepaintTimer);
        Elem().SetFrameOn(false);
        Repaint();
    }
}

} // namespace vimo
