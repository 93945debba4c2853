// The text and title blocks of a layer element, and the measuring of a wrapped title.
#include "layer/layer_element_win.h"

#include <cmath>

#include "layer/text_block_tools_win.h"
#include "layer/wide_text_win.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void MakeBlockTools(const TextBlockProps& b, TextBlockTools& tools) {
    tools.font = NewFont(WidenAnsi(b.font), static_cast<float>(b.size), FontStyleFromType(b.type, b.underline));
    // Vertical text is laid out as horizontal text in a frame turned a quarter clockwise (see
    // TextFrame), which reads top to bottom with lines running right to left: what the
    // right-to-left and vertical-direction format flags give, also where the drawing library does
    // not implement vertical layout. Its lines are clipped to the layout box like vertical text.
    const bool vertical = b.orientation == 1;
    int flags = vertical ? 0 : (StringFormatFlagsNoClip | StringFormatFlagsNoFitBlackBox);
    if (b.singleLine && !vertical) flags = StringFormatFlagsNoWrap | StringFormatFlagsNoFitBlackBox;
    tools.format = NewStringFormat(flags);
    if (tools.format && b.singleLine) GdipSetStringFormatTrimming(tools.format.get(), StringTrimmingEllipsisCharacter);
    if (tools.format) {
        GdipSetStringFormatAlign(tools.format.get(), static_cast<StringAlignment>(AlignmentFromPosition(b.hPos)));
        GdipSetStringFormatLineAlign(tools.format.get(), static_cast<StringAlignment>(AlignmentFromPosition(b.vPos)));
    }
    tools.fontName = b.font;
    tools.size = b.size;
    tools.type = b.type;
    tools.hPos = b.hPos;
    tools.vPos = b.vPos;
    tools.orientation = b.orientation;
    tools.underline = b.underline;
    tools.singleLine = b.singleLine;
}

// Places the block's frame for one copy of the string (moved by offset, in element pixels) and
// returns the layout rectangle in that frame.
class TextFrame {
public:
    TextFrame(GdipGraphics& g, const LayerRectF& layout, bool vertical) : g_(g), layout_(layout), vertical_(vertical) {}
    ~TextFrame() {
        if (vertical_ && g_) g_.Check(GdipResetWorldTransform(g_.Get()));
    }
    TextFrame(const TextFrame&) = delete;
    TextFrame& operator=(const TextFrame&) = delete;

    LayerRectF At(const TextOffset& o) {
        const float dx = static_cast<float>(o.dx), dy = static_cast<float>(o.dy);
        if (!vertical_) return LayerRectF{layout_.x + dx, layout_.y + dy, layout_.width, layout_.height};
        if (g_) {
            g_.Check(GdipResetWorldTransform(g_.Get()));
            g_.Check(GdipTranslateWorldTransform(g_.Get(), layout_.x + layout_.width + dx, layout_.y + dy,
                                                 MatrixOrderPrepend));
            g_.Check(GdipRotateWorldTransform(g_.Get(), 90.0f, MatrixOrderPrepend));
        }
        return LayerRectF{0.0f, 0.0f, layout_.height, layout_.width};
    }

private:
    GdipGraphics& g_;
    LayerRectF layout_;
    bool vertical_;
};

} // namespace

const TextBlockTools& CLayerElement::ToolsFor(const TextBlockProps& b) {
    std::unique_ptr<TextBlockTools>& kept = &b == &title_ ? titleTools_ : textTools_;
    if (!kept) kept = std::make_unique<TextBlockTools>();
    if (!kept->MadeFor(b) || !kept->font || !kept->format) MakeBlockTools(b, *kept);
    return *kept;
}

void CLayerElement::DrawTextBlock(GdipGraphics& g, const TextBlockProps& b) {
    if (!b.Drawable()) return;
    const TextBlockTools& tools = ToolsFor(b);
    if (!tools.font || !tools.format) {
        g.Check(InvalidParameter);
        return;
    }
    const std::wstring text = WidenAnsi(b.text);
    TextFrame frame(g, TextLayoutRect(Width(), Height(), b.margins), b.orientation == 1);
    const TextOffset still{0, 0};
    const bool gridFit = UsesGridFit(b.size);
    if (gridFit) g.SetTextHint(TextRenderingHintAntiAliasGridFit);

    // The measured box is placed by the block's alignments here rather than taken where the
    // library puts it: not every implementation applies the line alignment when measuring.
    auto measured = [&] {
        const LayerRectF layout = frame.At(still);
        const LayerRectF box = g.MeasureString(text, tools.font.get(), layout, tools.format.get());
        return AlignMeasuredBox(layout, box.width, box.height, AlignmentFromPosition(b.hPos),
                                AlignmentFromPosition(b.vPos));
    };
    if (b.background.Enabled()) g.FillRect(b.background.Packed(), TextBackgroundBox(measured()));
    if (b.frameColour.Enabled())
        g.DrawRect(b.frameColour.Packed(), b.frameWidth, false, TextFrameBox(measured(), b.frameWidth));
    if (b.shadowed) {
        for (const TextOffset& o : ShadowOffsets(b.size, b.doubled.Enabled()))
            g.DrawString(text, tools.font.get(), frame.At(o), tools.format.get(), kShadowArgb);
    }
    if (b.doubled.Enabled()) {
        for (const TextOffset& o : OutlineOffsets())
            g.DrawString(text, tools.font.get(), frame.At(o), tools.format.get(), b.doubled.Packed());
    }
    g.DrawString(text, tools.font.get(), frame.At(still), tools.format.get(), b.colour.Packed());

    if (gridFit) g.SetTextHint(TextRenderingHintAntiAlias);
}

int CLayerElement::MeasureTextHeight(int width) {
    const TextBlockProps& b = title_;
    if (b.text.empty()) return 0;
    GdipBitmap scratch = NewArgbBitmap(10, 10);
    if (!scratch) return 0;
    GdipGraphics g = GdipGraphics::OnImage(scratch.get());
    if (!g) return 0;
    g.SetElementQuality();
    if (UsesGridFit(b.size)) g.SetTextHint(TextRenderingHintAntiAliasGridFit);
    const TextBlockTools& tools = ToolsFor(b);
    if (!tools.font || !tools.format) return 0;
    const LayerRectF layout{static_cast<float>(b.margins.left), static_cast<float>(b.margins.top),
                            static_cast<float>(width - b.margins.left - b.margins.right), 1.0e6f};
    const LayerRectF box = g.MeasureString(WidenAnsi(b.text), tools.font.get(), layout, tools.format.get());
    return static_cast<int>(std::ceil(box.height));
}

} // namespace vimo
