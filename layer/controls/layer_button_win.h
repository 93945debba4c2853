#pragma once
// CLayerButton: a layered push button. Its input window is a flat button ("CButton"); its look
// is the element's. While the pointer is over it the button can show its image at full size
// (normal zoom), brighten or darken its images (hover luminosity) and show text or title blocks
// that are otherwise hidden. It posts the notifications of its item (enter, move, leave, click,
// command, double-click, right button) to the target window.
//
// Hover: the first new pointer position over the input window marks the button hovered, brings
// its item to the front and starts two 50 ms timers of the input window: timer 1 ends the hover
// once the pointer is off the button or another item lies on top of it, timer 2 carries out
// repaints that were marked pending. A button that is not focusable acts on the press of the
// left button; a focusable one takes the focus (dashed focus frame) and acts on the release.
#include "layer/controls/control_state.h"
#include "layer/controls/layer_control_win.h"

namespace vimo {

class CLayerButton : public CLayerControl {
public:
    CLayerButton(CLayerHost* host, int x, int y, int width, int height);

    // Zoom of the element's image (0..200) while the pointer is not over the button; 100 while it is.
    void SetNormalZoom(int percent);
    int NormalZoom() const { return normalZoom_; }
    // Luminosity of the element's images (0..200) while the pointer is over the button.
    void SetHoverLuminosity(int percent);
    int HoverLuminosity() const { return hoverLuminosity_; }
    // The text block or the title block is shown only while the pointer is over the button.
    void SetTextOnlyOnHover(bool onlyOnHover);
    void SetTitleOnlyOnHover(bool onlyOnHover);

    // Whether the second press of a double click is also a press (a click), so that quick presses
    // are all counted (the calculator's keys). Otherwise a double click is one click and one
    // double-click notification.
    void SetDoubleClickIsPress(bool isPress) { doubleClickIsPress_ = isPress; }

    bool IsHovered() const { return hovered_; }
    bool RepaintPending() const { return repaintPending_; }

    // Acts as a click: what the button-clicked notification and the press of a button that is not
    // focusable do.
    void Click() { OnClick(); }

    bool OnReflectedCommand(UINT code) override;

    // Input window timers.
    static constexpr UINT_PTR kLeaveTimer = 1;
    static constexpr UINT_PTR kRepaintTimer = 2;
    static constexpr UINT kTimerMs = 50;

protected:
    // Posts the command and the click message. Derived controls act first, then call this.
    virtual void OnClick();
    // Switches what the hover changes; called when the hover begins and ends (the caller repaints).
    virtual void ApplyHoverLook(bool hovered);
    virtual HCURSOR Cursor() const;

    bool OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void MarkRepaintPending() { repaintPending_ = true; }

private:
    void OnPointerMove(int x, int y);
    void CheckLeave();
    void OnFocusChange(bool gained);

    PointerStay stay_;
    bool hovered_ = false;
    bool repaintPending_ = false;
    int normalZoom_ = 100;
    int hoverLuminosity_ = 100;
    bool textOnlyOnHover_ = false;
    bool doubleClickIsPress_ = false;
    bool titleOnlyOnHover_ = false;
};

} // namespace vimo
