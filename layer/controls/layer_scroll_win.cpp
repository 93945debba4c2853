#include "layer/controls/layer_scroll_win.h"

#include <windowsx.h>

#include "layer/colour_matrix.h"

namespace vimo {

CLayerScroll::CLayerScroll(CLayerHost* host, int x, int y, int width, int height, bool vertical)
    : CLayerControl(host, x, y, width, height, "BUTTON", "CButton", WS_CHILD | WS_VISIBLE | BS_FLAT),
      vertical_(vertical) {
    Elem().SetThumbOrientation(vertical ? 0 : 1);
    Elem().SetThumbPercent(model_.Percent());
}

CLayerScrollV::CLayerScrollV(CLayerHost* host, int x, int y, int width, int height)
    : CLayerScroll(host, x, y, width, height, true) {}

CLayerScrollH::CLayerScrollH(CLayerHost* host, int x, int y, int width, int height)
    : CLayerScroll(host, x, y, width, height, false) {}

bool CLayerScroll::SetRange(int range) { return model_.SetRange(range); }

void CLayerScroll::SetPercent(int percent) {
    model_.SetPercent(percent);
    Elem().SetThumbPercent(model_.Percent());
    Repaint();
}

void CLayerScroll::SetTrackColours(const LayerColour& inactive, const LayerColour& active) {
    inactive_ = inactive;
    active_ = active;
    const LayerColour& c = hovered_ ? active_ : inactive_;
    Elem().SetBackgroundColour(c.alpha, c.red, c.green, c.blue);
}

void CLayerScroll::SetThumb(const std::string& file) { Elem().SetThumbImage(file); }

void CLayerScroll::SetThumbMargins(int startMargin, int endMargin) {
    startMargin_ = startMargin;
    endMargin_ = endMargin;
    Elem().SetThumbMargins(startMargin, endMargin);
}

void CLayerScroll::SetHoverLuminosity(int percent) {
    hoverLuminosity_ = ClampLuminosityPercent(percent);
    if (hovered_ && vertical_) Elem().SetThumbLuminosityPercent(hoverLuminosity_);
}

int CLayerScroll::Length() const { return vertical_ ? Rect().height : Rect().width; }

void CLayerScroll::ShowActive(bool active) {
    const LayerColour& c = active ? active_ : inactive_;
    Elem().SetBackgroundColour(c.alpha, c.red, c.green, c.blue);
    Elem().SetThumbLuminosityPercent(active ? (vertical_ ? hoverLuminosity_ : kHorizontalHoverLuminosity) : 100);
}

bool CLayerScroll::OnReflectedCommand(UINT code) {
    if (code != BN_CLICKED) return false;
    NotifyClick();
    return true;
}

bool CLayerScroll::OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_MOUSEMOVE: OnPointerMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return false;
    case WM_TIMER:
        if (wParam == kLeaveTimer) {
            CheckLeave();
            return true;
        }
        if (wParam == kRepaintTimer || wParam == kRepaintTimer2) {
            if (repaintPending_) {
                repaintPending_ = false;
                Elem().SetThumbPercent(model_.Percent());
                Repaint();
            }
            return true;
        }
        return false;
    case WM_MOUSEWHEEL:
        if (!vertical_) return false;
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        result = 0;
        return true;
    case WM_LBUTTONDBLCLK: Notify(Notifications().doubleClickMessage); return false;
    case WM_RBUTTONDOWN: Notify(Notifications().rightButtonMessage); return true;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, vertical_ ? IDC_SIZENS : IDC_SIZEWE));
        result = TRUE;
        return true;
    default: return false;
    }
}

void CLayerScroll::OnPointerMove(int x, int y) {
    const LayerRect r = Rect();
    if (!stay_.Accept(x, y, r.width, r.height)) return;
    const LayerNotifications& n = Notifications();
    if (stay_.TakeEnter(n.enterMessage != 0)) Notify(n.enterMessage);
    Notify(n.moveMessage, static_cast<WPARAM>(x), static_cast<LPARAM>(y));
    if (!hovered_) {
        hovered_ = true;
        StartInputTimer(kLeaveTimer, kLeaveMs);
        StartInputTimer(kRepaintTimer, kRepaintMs);
        ShowActive(true);
        BringToFront();
        Repaint();
        return;
    }
    if (!stay_.HasPrevious()) return;
    const int along = vertical_ ? y : x, across = vertical_ ? x : y;
    const int previousAlong = vertical_ ? stay_.PreviousY() : stay_.PreviousX();
    const int previousAcross = vertical_ ? stay_.PreviousX() : stay_.PreviousY();
    // Only a straight move along the bar drags the thumb.
    if (along == previousAlong || across != previousAcross) return;
    if (!model_.PointTo(along, Length(), startMargin_, endMargin_)) return;
    Notify(n.valueMessage, static_cast<WPARAM>(model_.Percent()), 0);
    repaintPending_ = true;
}

bool CLayerScroll::Dragging() const {
    // Drag detection is asked only while the left button is down: without a pressed button there
    // is no drag, and the system's detection would wait for the next mouse message.
    if (!vertical_ || !(GetKeyState(VK_LBUTTON) & 0x8000)) return false;
    POINT p{};
    GetCursorPos(&p);
    return DragDetect(Input(), p) != FALSE;
}

void CLayerScroll::CheckLeave() {
    if (!hovered_) return;
    if (PointerOnInput() && IsTopmost()) return;
    if (Dragging()) return;
    if (stay_.TakeLeave(Notifications().leaveMessage != 0)) Notify(Notifications().leaveMessage);
    hovered_ = false;
    StopInputTimer(kLeaveTimer);
    StopInputTimer(kRepaintTimer);
    ShowActive(false);
    Repaint();
}

void CLayerScroll::Wheel(int delta) {
    if (!model_.Wheel(delta)) return;
    Notify(Notifications().valueMessage, static_cast<WPARAM>(model_.Percent()), 0);
    if (hovered_) {
        repaintPending_ = true;
        return;
    }
    Elem().SetThumbPercent(model_.Percent());
    Repaint();
}

} // namespace vimo
