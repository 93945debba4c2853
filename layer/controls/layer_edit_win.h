#pragma once
// CLayerEdit: the multi-line layered edit box (the note's text). Its input window is a real edit
// window, multi-line, accepting Enter, scrolling by itself in both directions: it owns the text,
// the caret and the selection and takes the keyboard; what it paints is never seen. The element
// shows a copy through its edit text part (EditPainter), refreshed by timer 1 every 50 ms while
// the box is active; timer 2 (100 ms) repaints when a repaint is pending.
//
// Notifications, as for every layered control: enter, move and leave of the pointer; the
// click message when the left button goes down, the double-click and right-button messages; the
// value message (WPARAM the caret index) when the text or the caret changed; and
// WMU_EDIT_CHANGED to the target window whenever the user changed the text.
//
// Mouse clicks and drags place the caret by the element's own layout (what the user sees), so
// the caret lands on the character under the pointer; the keyboard is the edit window's.
//
// A long text given by SetText reaches the input window only when something needs it there (the
// focus, a key, a selection or clipboard message): an edit window lays out every line of a text
// it is given, which would make a program with long notes slow to start. Until then the element
// shows the text, and the input window answers for its text from the copy kept here.
#include <windows.h>

#include <string>
#include <vector>

#include "layer/controls/control_state.h"
#include "layer/controls/edit_painter_win.h"
#include "layer/controls/layer_control_win.h"
#include "layer/gdi_raii_win.h"
#include "layer/layer_colour.h"

namespace vimo {

class CLayerEdit : public CLayerControl {
public:
    CLayerEdit(CLayerHost* host, int x, int y, int width, int height);
    ~CLayerEdit() override;

    // Texts longer than this wait for the first need before they go to the input window.
    static constexpr std::size_t kDeferredTextBytes = 64 * 1024;

    // Replaces the text of the input window and of the element; the kap's own change, so neither
    // WMU_EDIT_CHANGED nor the value message is posted.
    void SetText(const std::string& text);
    // The text of the input window, exactly as it holds it.
    std::string Text() const;
    // Most characters the text may have; 0 means no limit. A change that makes the text longer
    // is refused: the text and the selection before it come back.
    void SetMaxLength(int characters);
    int MaxLength() const { return maxLength_; }

    // Background colour while the box is not active, and while it is.
    void SetBackgroundColour(int a, int r, int g, int b);
    void SetBackgroundColour(const LayerColour& c) { SetBackgroundColour(c.alpha, c.red, c.green, c.blue); }
    void SetFocusedBackgroundColour(int a, int r, int g, int b);
    void SetFocusedBackgroundColour(const LayerColour& c) {
        SetFocusedBackgroundColour(c.alpha, c.red, c.green, c.blue);
    }
    // Width of the vertical scroll band, height of the horizontal one; and their colour.
    void SetScrollSizes(int vertical, int horizontal);
    void SetScrollColour(int a, int r, int g, int b);
    void SetScrollColour(const LayerColour& c) { SetScrollColour(c.alpha, c.red, c.green, c.blue); }
    // The edit box inside the element; refused (last error "EditMargin : Bad parameter", no text
    // drawn) when the margins leave no room. Returns the element's status word.
    int SetEditMargins(int left, int top, int right, int bottom);
    // Text style: font family, size in pixels, style type; colour; shadow; one-pixel outline.
    void SetTextFont(const std::string& family, int sizePx, int type);
    void SetTextColour(int a, int r, int g, int b);
    void SetTextShadowed(bool shadowed);
    void SetTextDoubledColour(int a, int r, int g, int b);
    // The focus frame (a dashed rectangle around the element while the box has the keyboard focus).
    void SetFocusFrame(int width, int a, int r, int g, int b);
    void SetFocusFrame(int width, const LayerColour& c) { SetFocusFrame(width, c.alpha, c.red, c.green, c.blue); }
    void SetSelectionColour(int a, int r, int g, int b);
    void SetCaretColour(int a, int r, int g, int b);
    void SetCurrentLineColour(int a, int r, int g, int b);
    void SetCaretShown(bool shown);

    // Active: between gaining and losing the focus.
    bool IsFocused() const { return focused_; }
    bool IsHovered() const { return hovered_; }
    // What the element shows: the caret index (-1 while not active) and the selection's other end.
    int CaretIndex() const { return painter_.Caret(); }
    int AnchorIndex() const { return painter_.Anchor(); }
    // Whether the text needs each scroll band, and the scroll percents (-1 without the band).
    bool NeedsHScroll();
    bool NeedsVScroll();
    int HScrollPercent();
    int VScrollPercent();
    EditPainter& Painter() {
        SyncBox();
        return painter_;
    }

    bool OnReflectedCommand(UINT code) override;

protected:
    // editStyle: the edit window's own styles (ES_...); multiLine tells how its lines are read.
    CLayerEdit(CLayerHost* host, int x, int y, int width, int height, DWORD editStyle, bool multiLine);
    bool OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Selection {
        int anchor = 0, caret = 0;
        bool operator==(const Selection& o) const { return anchor == o.anchor && caret == o.caret; }
        bool operator!=(const Selection& o) const { return !(*this == o); }
    };

    void Setup();
    // Gives the input window the text that waited for it, and the selection kept meanwhile.
    void LoadDeferredText();
    // Whether a message to the input window needs its text there first.
    static bool NeedsInputText(UINT msg);
    // WM_GETTEXT, WM_GETTEXTLENGTH, EM_GETSEL and EM_SETSEL answered from the text that waits
    // and the selection kept for it.
    LRESULT AnswerDeferredText(UINT msg, WPARAM wParam, LPARAM lParam);
    // The painter's box: the element less the edit margins, whatever the element's size now.
    void SyncBox();
    void OnFocusGained();
    void OnFocusLost();
    // knownText: the input window's text when the caller has just read it.
    void CopyFromInput(const std::string* knownText = nullptr);
    void OnTimer1();
    void OnTimer2();
    void OnMouseMove(int x, int y, WPARAM keys);
    void OnLeftDown(int x, int y, WPARAM keys);
    void OnDoubleClick(int x, int y);
    void OnTextChange();
    // Posts the leave message when the enter message was posted during this stay.
    void EndStay();

    // The edit window's lines of its text, and its selection (the caret at its end).
    std::vector<EditLineSpan> ReadLines(const std::string& text) const;
    Selection ReadSelection() const;
    void PutSelection(const Selection& s, bool scroll);
    // Gives the painter the input window's text and a caret (-1: none); ShowContent also marks the
    // whole element for drawing again.
    void TakeContent(const std::string& text, int caret, int anchor);
    void ShowContent(const std::string& text, int caret, int anchor);
    // The element must render again: invalidate it and repaint the item.
    void Changed();
    // Only this part of the element must render again (empty: all of it).
    void ChangedPart(const LayerRect& part);
    void StartTimers();
    void StopTimers();
    void ApplyInputFont(const std::string& family, int sizePx, int type);

    bool multiLine_;
    EditPainter painter_;
    GdiObject<HFONT> inputFont_;
    std::string inputFontKey_; // family, size and type of inputFont_
    int maxLength_ = 0;
    std::string accepted_;
    bool deferred_ = false;    // accepted_ has not gone to the input window yet
    bool inputUnread_ = false; // a message that may have changed the input window's text came since it was read
    Selection selection_;      // the last one read or put
    Selection beforeChange_;   // the selection when a change began, put back when it is refused
    int storedCaret_ = 0;      // where the caret comes back when the box gets the focus again
    LayerColour background_{0, 255, 255, 255};
    LayerColour focusedBackground_{180, 255, 255, 255};
    bool focused_ = false, hovered_ = false, textChanged_ = false, repaintPending_ = false;
    bool timersOn_ = false;
    bool settingText_ = false;
    bool dragging_ = false;
    PointerStay stay_;
};

} // namespace vimo
