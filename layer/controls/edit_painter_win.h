#pragma once
// EditPainter: the edit text part (letter E) of an edit box's element. It keeps a copy of the
// text with the lines, caret and selection of the edit window, lays the lines out (no wrapping,
// ten tab stops 20 pixels apart), keeps the scroll offsets and decides the scroll bands, and
// draws in this order: scroll bands, current line, selection, text (shadow, outline, text),
// caret, current-line frame.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "layer/controls/edit_layout.h"
#include "layer/controls/edit_text_measure_win.h"
#include "layer/layer_colour.h"
#include "layer/layer_element_win.h"

namespace vimo {

// The caret's halo: white at alpha 150.
constexpr std::uint32_t kCaretHaloArgb = 0x96FFFFFFu;
// The text begins this far right of the box's left edge, so that the caret before the first
// character (one pixel left of it) and its halo stay inside the box.
constexpr int kEditTextInset = 2;

class EditPainter : public LayerEditPainter {
public:
    EditPainter();

    // Text style: font family, size in pixels and style type (1 italic, 2 bold, 3 bold italic,
    // 4 underline, 5 strike-out, others regular), colour, shadow and one-pixel outline (on when
    // its alpha is above 0).
    void SetFont(const std::string& family, int sizePx, int type);
    void SetTextColour(const LayerColour& colour);
    void SetShadowed(bool shadowed);
    void SetDoubledColour(const LayerColour& colour);
    // Colours of the selection boxes and of the caret (the caret follows the text colour until
    // one is given).
    void SetSelectionColour(const LayerColour& colour);
    void SetCaretColour(const LayerColour& colour);
    // The current line (the line of the caret): filled while the caret is not shown, framed while
    // it is; off while the colour's alpha is 0.
    void SetCurrentLineColour(const LayerColour& colour);
    void SetCaretShown(bool shown);
    // Scroll bands: their colour and their sizes (width of the vertical band, height of the
    // horizontal one).
    void SetScrollColour(const LayerColour& colour);
    void SetScrollSizes(int vertical, int horizontal);
    // The edit box: the element less the edit margins.
    void SetBox(const LayerRect& box);

    // The text (the program's code page) and its lines as the edit window breaks them. caret is
    // the caret index, -1 for no caret (nor selection); anchor is the other end of the selection
    // (equal to caret when nothing is selected).
    void SetContent(const std::string& text, std::vector<EditLineSpan> lines, int caret, int anchor);
    const std::string& Text() const { return text_; }
    const std::vector<EditLineSpan>& Lines() const { return lines_; }
    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }

    // Scrolls as little as needed to show the caret.
    void RevealCaret();

    // What drawing depends on besides the text, kept before a change (SetContent and RevealCaret).
    struct PaintState {
        bool laidOut = false;
        unsigned contents = 0;
        LayerRect box;
        EditViewport view;
        int scrollX = 0, scrollY = 0;
        std::size_t lineCount = 0;
        int caretLine = -1; // -1 without a caret, or with a selection
    };
    PaintState State();
    // The part of the element (the bands of the lines touched) that draws differently since
    // `before`, when a caret moved within a line or to another, or one line's text changed, and
    // nothing scrolled; empty when more may have changed and the whole must be drawn again.
    LayerRect ChangedPart(const PaintState& before);
    // The mouse wheel: the vertical offset decreases by delta / 10.
    void Wheel(int delta);
    // The character index nearest to a point of the element.
    int IndexAt(int x, int y);

    bool NeedsHScroll();
    bool NeedsVScroll();
    // -1 without the band, 0 to 100 otherwise.
    int HScrollPercent();
    int VScrollPercent();
    int ScrollX() const { return scrollX_; }
    int ScrollY() const { return scrollY_; }
    int LineHeight() const { return measure_.LineHeight(); }

    // Where things are drawn, in element pixels: the text area (the box less the scroll bands),
    // the caret's one-pixel line (empty without a caret) and the selection boxes.
    LayerRect TextArea();
    LayerRect CaretLine();
    std::vector<LayerRectF> SelectionBoxes();

    void PaintEdit(GdipGraphics& g, const LayerRect& box, const LayerRect& part) override;

private:
    void Layout();
    // The edges of a line, measured the first time they are needed: a long text costs only what
    // is shown, and the lines the caret and the selection touch.
    const std::vector<float>& EdgesOf(int line);
    // The lines [first, last] that the text area shows at the present scroll offset.
    std::pair<int, int> ShownLines(int areaHeight) const;
    void ComputeView();
    // Drops every line's measures (a new font).
    void ForgetMeasures();
    // Carries the measures of the lines a text change left alone over to the new lines.
    void KeepUnchangedLines(const std::string& text, const std::vector<EditLineSpan>& lines);
    std::wstring_view LineView(int line) const;
    std::wstring LineText(int line) const;
    int CurrentLine() const;
    // Where text x = 0 and y = 0 lie in the element, scrolled.
    float OriginX() const { return static_cast<float>(box_.x + kEditTextInset - scrollX_); }
    float OriginY() const { return static_cast<float>(box_.y - scrollY_); }
    void DrawText(GdipGraphics& g, int firstLine, int lastLine, float ox, float oy, int dx, int dy, std::uint32_t argb);

    EditTextMeasure measure_;
    LayerColour textColour_{255, 0, 0, 0};
    bool shadowed_ = false;
    LayerColour doubled_;
    LayerColour selectionColour_{120, 51, 153, 255};
    LayerColour caretColour_{255, 0, 0, 0};
    bool caretColourSet_ = false;
    LayerColour currentLineColour_;
    bool caretShown_ = true;
    LayerColour scrollColour_;
    int vScrollSize_ = 10, hScrollSize_ = 10;
    LayerRect box_;

    std::string text_;
    std::wstring wide_;
    std::vector<EditLineSpan> lines_{EditLineSpan{}};
    int caret_ = -1, anchor_ = -1;

    unsigned contents_ = 0;                   // SetContent calls so far
    std::pair<int, int> changedLines_{0, -1}; // the lines the last SetContent changed (first > last: none)
    bool laidOut_ = false;
    std::vector<std::vector<float>> edges_; // per line; empty until measured
    std::vector<float> widths_;             // per line; below 0 until measured or added up
    float widest_ = 0.0f;
    EditViewport view_;
    int scrollX_ = 0, scrollY_ = 0;
};

} // namespace vimo
