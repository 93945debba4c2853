#pragma once
// CLayerControl: what every layered control is — an input-only child window of the kap window
// (its own painting is never seen), a layer item registered with the kap's host, and a layer
// element of the control's size that keeps its bitmap. Derived controls handle the input
// window's messages in OnInputMessage and post their notifications with Notify.
#include <windows.h>

#include <memory>

#include "wnd/reflect_win.h"
#include "layer/layer_element_win.h"
#include "layer/layer_item_win.h"

namespace vimo {

class CLayerControl : public CLayerItem, public ReflectTarget {
public:
    // Creates the input window (window class, caption, styles; control identifier 0) as a child of
    // the host's window at the rectangle, and the element.
    CLayerControl(CLayerHost* host, int x, int y, int width, int height, const char* inputClass, const char* caption,
                  DWORD style, DWORD exStyle = 0);
    // Leaves the host, destroys the element, then the input window.
    ~CLayerControl() override;

    CLayerElement& Elem() { return *element_; }
    const CLayerElement& Elem() const { return *element_; }
    HWND Input() const { return InputWindow(); }

    bool OnReflectedCommand(UINT /*code*/) override { return false; }

protected:
    // A message of the input window; set result and return true when handled, otherwise the
    // window's own procedure runs.
    virtual bool OnInputMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }
    // Posts a notification message to the target window; a message number of 0 posts nothing.
    void Notify(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The command identifier (as WM_COMMAND) then the click message (with clickParam), as a click does.
    void NotifyClick(WPARAM clickParam = 0) const;

    // Window timers of the input window; their WM_TIMER messages reach OnInputMessage.
    void StartInputTimer(UINT_PTR id, UINT milliseconds) const;
    void StopInputTimer(UINT_PTR id) const;
    // True when the pointer lies on the visible input window. clientPoint, when given, receives the
    // pointer in the input window's coordinates.
    bool PointerOnInput(POINT* clientPoint = nullptr) const;
    bool HasKeyboardFocus() const;
    // The input window's own handling of a message, for OnInputMessage to run before its own.
    LRESULT CallInputDefault(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CallInputClass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<CLayerElement> element_;
};

} // namespace vimo
