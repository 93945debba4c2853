#pragma once
// CLayerScreen: a window tile of the window bar. Its element shows a kept picture of one
// top-level window (window view part) with the window's title (title block) and program (text
// block). The picture is drawn at the tile's normal luminosity, and at 100 % while the pointer is
// over the tile; the hover otherwise works as for a button (enter, move and leave messages, text
// or title shown only on hover).
//
// Renewal: the window bar reports each change of the window (RenewAfterDelay); with the renewal
// delay switched on, timer 3 of the input window takes a new picture once the delay (1 to 60
// seconds) has passed without another change, so a window that keeps moving is captured once it
// has come to rest, and an unchanged window is not captured again. A click toggles the window
// between minimized and shown, then posts the click notifications to the window bar; the click
// message and the right button's message carry the window in WPARAM.
#include <string>

#include "layer/controls/layer_button_win.h"

namespace vimo {

class CLayerScreen : public CLayerButton {
public:
    CLayerScreen(CLayerHost* host, int x, int y, int width, int height);

    // The window shown, its title and its program.
    void SetTarget(HWND window, const std::string& title, const std::string& program);
    HWND Target() const { return Elem().WindowTarget(); }
    // Placement (horizontal and vertical position codes of the image part) and zoom of the picture.
    void SetThumbnailPosition(int hPos, int vPos);
    void SetThumbnailZoom(int percent);
    // Luminosity of the picture while the pointer is away from the tile (0..200).
    void SetNormalLuminosity(int percent);
    int NormalLuminosity() const { return normalLuminosity_; }

    // Renewal delay: when on, the seconds clamped to 1..60; when off, no delay is used (a change
    // is shown at once).
    void SetRenewalDelay(bool on, int seconds);
    int RenewalDelayMs() const { return renewalDelayMs_; }
    // Whether the tile renews its picture after the window moved or was sized (the window bar
    // asks before restarting the delay for such changes). On by default.
    void SetFollowChanges(bool follow) { followChanges_ = follow; }
    bool FollowsChanges() const { return followChanges_; }
    // Takes a new picture once the renewal delay has passed without another call (at once when no
    // delay is used). marked: the picture is renewed even when the window is minimized by then.
    void RenewAfterDelay(bool marked);
    // Takes a new picture at the next draw (unless the window is minimized and no renewal was
    // marked), sets the luminosity for the hover state and repaints: what timer 3 does.
    void Renew();

    // Whether a click toggles the window's minimized state (on by default); the window bar turns
    // it off when it shows the windows itself.
    void SetToggleOnClick(bool toggle) { toggleOnClick_ = toggle; }

    // The window bar's commands on the window, forwarded to the element; each repaints the tile.
    void Minimize();
    void Restore();
    void ToggleMaximize();

    // A new place and size: the picture is taken again at the new size.
    void SetBounds(const LayerRect& bounds) override;

    static constexpr UINT_PTR kRenewalTimer = 3;

protected:
    void OnClick() override;
    void ApplyHoverLook(bool hovered) override;
    bool OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ApplyLuminosity(bool pointerOver);

    int normalLuminosity_ = 100;
    int renewalDelayMs_ = 0;
    bool followChanges_ = true;
    bool renewalMarked_ = false;
    bool toggleOnClick_ = true;
};

} // namespace vimo
