#include "layer/controls/edit_painter_win.h"

#include <algorithm>
#include <cmath>

#include "layer/text_block_layout.h"
#include "layer/wide_text_win.h"

namespace vimo {

using namespace Gdiplus;

namespace {
// The layout box of one run: wide and tall enough never to cut it.
constexpr float kRunLayoutWidth = 1.0e6f;
constexpr float kRunLayoutHeight = 1.0e4f;

int RoundPixel(float v) { return static_cast<int>(std::floor(v + 0.5f)); }
} // namespace

EditPainter::EditPainter() = default;

void EditPainter::SetFont(const std::string& family, int sizePx, int type) {
    measure_.SetFont(WidenAnsi(family), sizePx, FontStyleFromType(type, false));
    ForgetMeasures();
}

void EditPainter::ForgetMeasures() {
    edges_.assign(lines_.size(), std::vector<float>());
    widths_.assign(lines_.size(), -1.0f);
    laidOut_ = false;
}

void EditPainter::KeepUnchangedLines(const std::string& text, const std::vector<EditLineSpan>& lines) {
    // The lines a change left alone keep their measures, the others are measured again.
    const std::vector<int> from = UnchangedEditLines(text_, lines_, text, lines);
    std::vector<std::vector<float>> edges(lines.size());
    std::vector<float> widths(lines.size(), -1.0f);
    changedLines_ = {static_cast<int>(lines.size()), -1};
    for (std::size_t l = 0; l < lines.size(); ++l) {
        if (from[l] < 0) {
            changedLines_ = {std::min(changedLines_.first, static_cast<int>(l)),
                             std::max(changedLines_.second, static_cast<int>(l))};
            continue;
        }
        edges[l] = std::move(edges_[static_cast<std::size_t>(from[l])]);
        widths[l] = widths_[static_cast<std::size_t>(from[l])];
    }
    edges_ = std::move(edges);
    widths_ = std::move(widths);
}

void EditPainter::SetTextColour(const LayerColour& colour) {
    textColour_ = colour;
    if (!caretColourSet_) caretColour_ = colour;
}

void EditPainter::SetShadowed(bool shadowed) { shadowed_ = shadowed; }
void EditPainter::SetDoubledColour(const LayerColour& colour) { doubled_ = colour; }
void EditPainter::SetSelectionColour(const LayerColour& colour) { selectionColour_ = colour; }

void EditPainter::SetCaretColour(const LayerColour& colour) {
    caretColour_ = colour;
    caretColourSet_ = true;
}

void EditPainter::SetCurrentLineColour(const LayerColour& colour) { currentLineColour_ = colour; }
void EditPainter::SetCaretShown(bool shown) { caretShown_ = shown; }
void EditPainter::SetScrollColour(const LayerColour& colour) { scrollColour_ = colour; }

void EditPainter::SetScrollSizes(int vertical, int horizontal) {
    vScrollSize_ = std::max(vertical, 0);
    hScrollSize_ = std::max(horizontal, 0);
    laidOut_ = false;
}

void EditPainter::SetBox(const LayerRect& box) {
    if (box == box_) return;
    box_ = box;
    laidOut_ = false;
}

void EditPainter::SetContent(const std::string& text, std::vector<EditLineSpan> lines, int caret, int anchor) {
    if (lines.empty()) lines.push_back(EditLineSpan{0, static_cast<int>(text.size())});
    ++contents_;
    changedLines_ = {0, -1};
    if (text != text_ || lines != lines_) {
        std::wstring wide = WidenAnsi(text);
        // Kept measures follow the lines by the bytes of the text: only where a byte is a character.
        const bool keep = widths_.size() == lines_.size() && text_.size() == wide_.size() && text.size() == wide.size();
        changedLines_ = {0, static_cast<int>(lines.size()) - 1};
        if (keep) KeepUnchangedLines(text, lines);
        text_ = text;
        wide_ = std::move(wide);
        lines_ = std::move(lines);
        if (!keep) ForgetMeasures();
        laidOut_ = false;
    }
    caret_ = caret < 0 ? -1 : caret;
    anchor_ = caret < 0 ? -1 : (anchor < 0 ? caret : anchor);
}

std::wstring_view EditPainter::LineView(int line) const {
    const EditLineSpan& span = lines_[static_cast<std::size_t>(line)];
    const std::size_t start = std::min(static_cast<std::size_t>(std::max(span.start, 0)), wide_.size());
    const std::size_t length = std::min(static_cast<std::size_t>(std::max(span.length, 0)), wide_.size() - start);
    return std::wstring_view(wide_).substr(start, length);
}

std::wstring EditPainter::LineText(int line) const { return std::wstring(LineView(line)); }

const std::vector<float>& EditPainter::EdgesOf(int line) {
    std::vector<float>& edges = edges_[static_cast<std::size_t>(line)];
    if (edges.empty()) {
        edges = measure_.LineEdges(LineText(line));
        widths_[static_cast<std::size_t>(line)] = edges.back();
        // The advances gave this line's width before; the laid-out width is the one drawn.
        if (edges.back() > widest_) {
            widest_ = edges.back();
            ComputeView();
        }
    }
    return edges;
}

std::pair<int, int> EditPainter::ShownLines(int areaHeight) const {
    const int lh = LineHeight();
    const int last = static_cast<int>(lines_.size()) - 1;
    return {std::min(std::max(scrollY_ / lh, 0), last), std::min((scrollY_ + std::max(areaHeight, 0)) / lh, last)};
}

void EditPainter::ComputeView() {
    // The inset before the text, and room for the caret and its halo after the widest line.
    const float contentWidth = static_cast<float>(kEditTextInset) + widest_ + 2.0f;
    const int contentHeight = static_cast<int>(lines_.size()) * LineHeight();
    view_ = ComputeEditViewport(box_.width, box_.height, contentWidth, contentHeight, vScrollSize_, hScrollSize_);
}

void EditPainter::Layout() {
    if (laidOut_) return;
    // The lines in view (and the caret's) are laid out now; the others only give their width.
    const std::pair<int, int> shown = ShownLines(box_.height);
    const int caretLine = caret_ >= 0 ? CurrentLine() : -1;
    widest_ = 0.0f;
    for (int l = 0; l < static_cast<int>(lines_.size()); ++l) {
        float& width = widths_[static_cast<std::size_t>(l)];
        if ((l >= shown.first && l <= shown.second) || l == caretLine)
            EdgesOf(l);
        else if (width < 0.0f)
            width = measure_.AdvanceWidth(LineView(l));
        widest_ = std::max(widest_, width);
    }
    ComputeView();
    scrollX_ = ClampEditScroll(scrollX_, view_.maxX);
    scrollY_ = ClampEditScroll(scrollY_, view_.maxY);
    laidOut_ = true;
}

void EditPainter::RevealCaret() {
    Layout();
    if (caret_ < 0) return;
    const LayerRectF c =
        EditCaretLine(lines_, caret_, LineHeight(), [this](int l) -> const std::vector<float>& { return EdgesOf(l); });
    scrollY_ = ClampEditScroll(RevealInEditView(scrollY_, c.y, c.y + c.height, view_.height), view_.maxY);
    const float x = c.x + static_cast<float>(kEditTextInset);
    scrollX_ = ClampEditScroll(RevealInEditView(scrollX_, x - 1.0f, x + 3.0f, view_.width), view_.maxX);
}

EditPainter::PaintState EditPainter::State() {
    PaintState state;
    state.laidOut = laidOut_;
    if (!laidOut_) return state;
    state.contents = contents_;
    state.box = box_;
    state.view = view_;
    state.scrollX = scrollX_;
    state.scrollY = scrollY_;
    state.lineCount = lines_.size();
    state.caretLine = caret_ >= 0 && caret_ == anchor_ ? CurrentLine() : -1;
    return state;
}

LayerRect EditPainter::ChangedPart(const PaintState& before) {
    Layout();
    const EditViewport& v = before.view;
    // The scroll ranges may grow (a line typed longer): what is shown depends only on the offsets.
    const bool sameView =
        v.hBar == view_.hBar && v.vBar == view_.vBar && v.width == view_.width && v.height == view_.height;
    // Only a caret without a selection, before and after, in an unmoved view of as many lines, with
    // at most one change of the text between.
    if (!before.laidOut || before.caretLine < 0 || caret_ < 0 || caret_ != anchor_ || contents_ > before.contents + 1 ||
        !(before.box == box_) || !sameView || before.scrollX != scrollX_ || before.scrollY != scrollY_ ||
        before.lineCount != lines_.size())
        return LayerRect{};
    const int caretLine = CurrentLine();
    int first = std::min(before.caretLine, caretLine), last = std::max(before.caretLine, caretLine);
    if (contents_ != before.contents && changedLines_.first <= changedLines_.second) {
        first = std::min(first, changedLines_.first);
        last = std::max(last, changedLines_.second);
    }
    // Glyphs, their shadow and outline may stand out of their lines by a few pixels.
    const int lh = LineHeight();
    const int reach = lh / 2 + 3;
    const int top = static_cast<int>(std::floor(OriginY())) + first * lh - reach;
    const int bottom = static_cast<int>(std::ceil(OriginY())) + (last + 1) * lh + 1 + reach;
    return Intersection(LayerRect{box_.x, top, box_.width, bottom - top}, box_);
}

void EditPainter::Wheel(int delta) {
    Layout();
    scrollY_ = WheelEditScroll(scrollY_, delta, view_.maxY);
}

int EditPainter::IndexAt(int x, int y) {
    Layout();
    const int line = EditLineAt(static_cast<float>(y) - OriginY(), LineHeight(), static_cast<int>(lines_.size()));
    const int column = NearestEditColumn(EdgesOf(line), static_cast<float>(x) - OriginX());
    return lines_[static_cast<std::size_t>(line)].start + column;
}

bool EditPainter::NeedsHScroll() {
    Layout();
    return view_.hBar;
}

bool EditPainter::NeedsVScroll() {
    Layout();
    return view_.vBar;
}

int EditPainter::HScrollPercent() {
    Layout();
    return EditScrollPercent(scrollX_, view_.maxX, view_.hBar);
}

int EditPainter::VScrollPercent() {
    Layout();
    return EditScrollPercent(scrollY_, view_.maxY, view_.vBar);
}

LayerRect EditPainter::TextArea() {
    Layout();
    return LayerRect{box_.x, box_.y, view_.width, view_.height};
}

int EditPainter::CurrentLine() const { return LocateEditIndex(lines_, caret_).line; }

LayerRect EditPainter::CaretLine() {
    Layout();
    if (caret_ < 0) return LayerRect{};
    const LayerRectF c =
        EditCaretLine(lines_, caret_, LineHeight(), [this](int l) -> const std::vector<float>& { return EdgesOf(l); });
    return LayerRect{RoundPixel(OriginX() + c.x), box_.y - scrollY_ + static_cast<int>(c.y), 1, LineHeight()};
}

std::vector<LayerRectF> EditPainter::SelectionBoxes() {
    Layout();
    std::vector<LayerRectF> boxes;
    if (caret_ < 0 || caret_ == anchor_) return boxes;
    const float breakWidth = std::max(2.0f, static_cast<float>(LineHeight()) / 3.0f);
    // Only the lines in view have boxes: selecting all of a long text lays out no more than is shown.
    const std::pair<int, int> shown = ShownLines(view_.height);
    boxes =
        EditSelectionBoxes(lines_, std::min(caret_, anchor_), std::max(caret_, anchor_), LineHeight(), shown.first,
                           shown.second, breakWidth, [this](int l) -> const std::vector<float>& { return EdgesOf(l); });
    for (LayerRectF& b : boxes) {
        // Whole pixels, so the boxes meet the caret's column exactly.
        const float left = static_cast<float>(RoundPixel(b.x)), right = static_cast<float>(RoundPixel(b.x + b.width));
        b.x = left + OriginX();
        b.width = right - left;
        b.y += OriginY();
    }
    return boxes;
}

void EditPainter::DrawText(GdipGraphics& g, int firstLine, int lastLine, float ox, float oy, int dx, int dy,
                           std::uint32_t argb) {
    const int lh = LineHeight();
    for (int l = firstLine; l <= lastLine; ++l) {
        const std::wstring line = LineText(l);
        const std::vector<float>& edges = EdgesOf(l);
        for (const EditRun& run : EditRunsOf(line)) {
            const float left = ox + edges[static_cast<std::size_t>(run.begin)];
            const float right = ox + edges[static_cast<std::size_t>(run.begin + run.count)];
            if (right < static_cast<float>(box_.x) - 2.0f || left > static_cast<float>(box_.Right()) + 2.0f) continue;
            const LayerRectF layout{left - measure_.Lead() + static_cast<float>(dx),
                                    oy + static_cast<float>(l * lh + dy), kRunLayoutWidth, kRunLayoutHeight};
            g.DrawString(line.substr(static_cast<std::size_t>(run.begin), static_cast<std::size_t>(run.count)),
                         measure_.Font(), layout, measure_.Format(), argb);
        }
    }
}

void EditPainter::PaintEdit(GdipGraphics& g, const LayerRect& box, const LayerRect& part) {
    SetBox(box);
    Layout();
    if (box.Empty()) return;
    const int lh = LineHeight();
    const float ox = OriginX();
    const float oy = OriginY();

    g.SetClip(Intersection(box, part));
    for (const LayerRect& band : EditScrollBands(box, view_, vScrollSize_, hScrollSize_))
        g.FillRect(scrollColour_.Packed(), LayerRectF{static_cast<float>(band.x), static_cast<float>(band.y),
                                                      static_cast<float>(band.width), static_cast<float>(band.height)});

    // The text and what goes with it stay out of the bands.
    const LayerRect area = TextArea();
    const LayerRect textPart = Intersection(area, part);
    g.SetClip(textPart);
    // The lines reaching into the part, with one more each way for glyphs, shadows and outlines
    // that stand out of their lines.
    auto [firstLine, lastLine] = ShownLines(area.height);
    firstLine = std::max(firstLine, static_cast<int>(std::floor((static_cast<float>(textPart.y) - oy) / lh)) - 1);
    lastLine = std::min(lastLine, static_cast<int>(std::floor((static_cast<float>(textPart.Bottom()) - oy) / lh)) + 1);
    const bool caretVisible = caret_ >= 0 && caretShown_;
    const float lineWidth = static_cast<float>(area.width);
    if (currentLineColour_.Enabled() && caret_ >= 0 && !caretShown_)
        g.FillRect(currentLineColour_.Packed(),
                   LayerRectF{static_cast<float>(box.x), oy + static_cast<float>(CurrentLine() * lh), lineWidth,
                              static_cast<float>(lh + 1)});
    for (const LayerRectF& s : SelectionBoxes()) g.FillRect(selectionColour_.Packed(), s);

    g.SetTextHint(measure_.Hint());
    if (shadowed_) {
        for (const TextOffset& o : ShadowOffsets(measure_.SizePx(), doubled_.Enabled()))
            DrawText(g, firstLine, lastLine, ox, oy, o.dx, o.dy, kShadowArgb);
    }
    if (doubled_.Enabled()) {
        for (const TextOffset& o : OutlineOffsets())
            DrawText(g, firstLine, lastLine, ox, oy, o.dx, o.dy, doubled_.Packed());
    }
    DrawText(g, firstLine, lastLine, ox, oy, 0, 0, textColour_.Packed());
    g.SetTextHint(TextRenderingHintAntiAlias);

    if (caretVisible) {
        const LayerRect c = CaretLine();
        const float x = static_cast<float>(c.x), y = static_cast<float>(c.y), h = static_cast<float>(c.height);
        g.FillRect(kCaretHaloArgb, LayerRectF{x - 1.0f, y, 3.0f, h});
        g.FillRect(caretColour_.Packed(), LayerRectF{x, y, 1.0f, h});
    }
    if (currentLineColour_.Enabled() && caretVisible)
        g.DrawRect(currentLineColour_.Packed(), 1, false,
                   LayerRectF{static_cast<float>(box.x), oy + static_cast<float>(CurrentLine() * lh), lineWidth - 1.0f,
                              static_cast<float>(lh)});
    g.SetClip(part);
}

} // namespace vimo
