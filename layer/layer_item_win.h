#pragma once
// CLayerItem: what the layer host knows of an on-window control: its rectangle, whether it lies
// in the host's viewport (scrolled with the origin and clipped to the viewport), whether it is
// visible and focusable, and the operations the host calls while composing.
//
// A control derives from CLayerItem, creates its input window and its element, and hands both
// to AttachControl: the default operations then do what every control does (move and show the
// input window, render and copy the element). An item registers itself with its host when it
// is created and leaves it when it is destroyed; items still registered when the host is
// destroyed are deleted by the host, so items are created with new (or destroyed before their
// host).
#include <windows.h>

#include <array>
#include <string>

#include "layer/gdip_graphics_win.h"
#include "layer/layer_geometry.h"

namespace vimo {

class CLayerHost;
class CLayerElement;

// Where a control posts its notifications: the target window and one message number per event
// (0: nothing is posted). A button's right-button message carries the button's input window in wParam.
struct LayerNotifications {
    HWND target = nullptr;
    UINT clickMessage = 0;
    UINT commandId = 0;
    UINT doubleClickMessage = 0;
    UINT rightButtonMessage = 0;
    UINT enterMessage = 0;
    UINT leaveMessage = 0;
    UINT moveMessage = 0;
    UINT valueMessage = 0;
};

class CLayerItem {
public:
    // Registers the item at the head of the host's list (on top). host may be null.
    CLayerItem(CLayerHost* host, int x, int y, int width, int height);
    // Leaves the host's list.
    virtual ~CLayerItem();
    CLayerItem(const CLayerItem&) = delete;
    CLayerItem& operator=(const CLayerItem&) = delete;

    // The operations, in slot order (the destructor is the destroy operation):
    // Paints the item into the host's graphics context, already clipped by the host.
    virtual void Draw(GdipGraphics& g);
    // Moves the item; with repaint the host redraws the old and the new place.
    virtual void MoveTo(int x, int y, bool repaint);
    // Moves and sizes the item, its element and its input window (no repaint: the kap lays out
    // all its items, then refreshes).
    virtual void SetBounds(const LayerRect& bounds);
    // Called just before Draw when the item is going to be painted: shows the input window.
    virtual void Prepare();
    // Called instead of Prepare and Draw when the item lies outside what is painted: hides the
    // input window.
    virtual void Skip();
    // Add or remove the tab-stop style of the input window.
    virtual void TabStopOn();
    virtual void TabStopOff();
    // Switch the element's fill on or off.
    virtual void FillOn();
    virtual void FillOff();

    CLayerHost* Host() const { return host_; }
    // Position and size as set (relative to the host's origin for a viewport item).
    LayerRect Rect() const { return LayerRect{x_, y_, width_, height_}; }
    // Window coordinates: for a viewport item its position plus the host's origin.
    LayerRect EffectiveRect() const;

    bool InViewport() const { return inViewport_; }
    void SetInViewport(bool inViewport) { inViewport_ = inViewport; }
    bool IsVisible() const { return visible_; }
    // Shows or hides the item and repaints its place.
    void Show();
    void Hide();
    bool IsFocusable() const { return focusable_; }
    void SetFocusable(bool focusable);
    void BringToFront();
    bool IsTopmost() const;
    // Asks the host to redraw the item's rectangle, or only a part of it (in the item's pixels).
    void Repaint();
    void RepaintPart(const LayerRect& part);

    LayerNotifications& Notifications() { return notifications_; }
    const LayerNotifications& Notifications() const { return notifications_; }
    // Five texts the dock keeps with its icons.
    std::array<std::string, 5>& DockStrings() { return dockStrings_; }

    HWND InputWindow() const { return input_; }
    CLayerElement* Element() const { return element_; }

    // Called by the host when it lets the item go; ownerGoing when the host goes with its owner
    // window, whose children (the input windows) go with it.
    void DetachFromHost(bool ownerGoing = false) {
        host_ = nullptr;
        ownerGoing_ = ownerGoing;
    }
    bool OwnerGoing() const { return ownerGoing_; }

protected:
    // The control's input window and element (neither owned here).
    void AttachControl(HWND input, CLayerElement* element);
    // The drawing shared by the controls: move the input window (without repainting it) to the
    // effective rectangle, render the element when it is not valid, copy its bitmap unscaled to
    // the effective position and release it when the element does not keep it.
    void DrawControl(GdipGraphics& g);

private:
    CLayerHost* host_;
    int x_, y_, width_, height_;
    bool inViewport_ = false;
    bool visible_ = true;
    bool focusable_ = false;
    bool ownerGoing_ = false;
    HWND input_ = nullptr;
    CLayerElement* element_ = nullptr;
    LayerNotifications notifications_;
    std::array<std::string, 5> dockStrings_;
};

} // namespace vimo
