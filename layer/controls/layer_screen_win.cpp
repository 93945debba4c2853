#include "layer/controls/layer_screen_win.h"

#include "layer/colour_matrix.h"
#include "layer/controls/control_state.h"

namespace vimo {

CLayerScreen::CLayerScreen(CLayerHost* host, int x, int y, int width, int height)
    : CLayerButton(host, x, y, width, height) {}

void CLayerScreen::SetTarget(HWND window, const std::string& title, const std::string& program) {
    Elem().SetWindow(window, title, program);
    Elem().SetBlockText(TextBlockId::Title, title);
    Elem().SetBlockText(TextBlockId::Text, program);
    renewalMarked_ = false;
}

void CLayerScreen::SetThumbnailPosition(int hPos, int vPos) {
    Elem().SetWindowPosition(hPos, vPos);
    Elem().DropWindowCapture();
}

void CLayerScreen::SetThumbnailZoom(int percent) {
    Elem().SetWindowZoom(percent);
    Elem().DropWindowCapture();
}

void CLayerScreen::SetNormalLuminosity(int percent) {
    normalLuminosity_ = ClampLuminosityPercent(percent);
    if (!IsHovered()) Elem().SetWindowLuminosityPercent(normalLuminosity_);
}

void CLayerScreen::SetBounds(const LayerRect& bounds) {
    CLayerButton::SetBounds(bounds);
    Elem().DropWindowCapture();
}

void CLayerScreen::SetRenewalDelay(bool on, int seconds) {
    renewalDelayMs_ = vimo::RenewalDelayMs(on, seconds);
    if (renewalDelayMs_ == 0) StopInputTimer(kRenewalTimer);
}

void CLayerScreen::RenewAfterDelay(bool marked) {
    if (marked) renewalMarked_ = true;
    if (renewalDelayMs_ > 0)
        StartInputTimer(kRenewalTimer, static_cast<UINT>(renewalDelayMs_)); // restarts the period
    else
        Renew();
}

void CLayerScreen::Renew() {
    HWND target = Target();
    if (target && IsWindow(target) && (renewalMarked_ || !IsIconic(target))) Elem().DropWindowCapture();
    renewalMarked_ = false;
    ApplyLuminosity(IsHovered());
    Repaint();
}

void CLayerScreen::Minimize() {
    Elem().MinimizeWindow();
    Repaint();
}

void CLayerScreen::Restore() {
    Elem().RestoreWindow();
    Repaint();
}

void CLayerScreen::ToggleMaximize() {
    Elem().ToggleMaximizeWindow();
    Repaint();
}

void CLayerScreen::OnClick() {
    HWND target = Target();
    if (toggleOnClick_ && target && IsWindow(target)) {
        if (IsIconic(target))
            Elem().RestoreWindow();
        else
            Elem().MinimizeWindow();
    }
    ApplyLuminosity(PointerOnInput());
    Repaint();
    NotifyClick(reinterpret_cast<WPARAM>(target));
}

void CLayerScreen::ApplyHoverLook(bool hovered) {
    CLayerButton::ApplyHoverLook(hovered);
    ApplyLuminosity(hovered);
}

void CLayerScreen::ApplyLuminosity(bool pointerOver) {
    Elem().SetWindowLuminosityPercent(pointerOver ? 100 : normalLuminosity_);
}

bool CLayerScreen::OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_TIMER && wParam == kRenewalTimer) {
        StopInputTimer(kRenewalTimer); // once per change
        Renew();
        return true;
    }
    if (msg == WM_RBUTTONDOWN) {
        Notify(Notifications().rightButtonMessage, reinterpret_cast<WPARAM>(Target()));
        return true;
    }
    return CLayerButton::OnInputMessage(msg, wParam, lParam, result);
}

} // namespace vimo
