#include "layer/element_model.h"

#include "layer/colour_matrix.h"
#include "layer/element_messages.h"

namespace vimo {

int ClampFrameWidth(int width) { return width < 0 ? 0 : (width > 20 ? 20 : width); }
int ClampScrollPercent(int percent) { return percent < -1 ? -1 : (percent > 100 ? 100 : percent); }

LayerElementModel::LayerElementModel(int width, int height, bool keepsBitmap)
    : width_(width), height_(height), keepsBitmap_(keepsBitmap) {}

int LayerElementModel::SetCompositionOrder(const std::string& order) {
    order_ = NormaliseCompositionOrder(order);
    return Changed();
}

int LayerElementModel::SetFillColour(int a, int r, int g, int b) {
    fill_.colour = LayerColour::Clamped(a, r, g, b);
    fill_.colourSet = true;
    return Changed();
}

int LayerElementModel::SetFillOn(bool on) {
    fill_.on = on;
    return Changed();
}

int LayerElementModel::SetFrame(int width, int a, int r, int g, int b) {
    frame_.width = ClampFrameWidth(width);
    frame_.colour = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetFrameOn(bool on) {
    frame_.on = on;
    return Changed();
}

int LayerElementModel::SetBackgroundColour(int a, int r, int g, int b) {
    background_.colour = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetBackgroundFrame(int width, int a, int r, int g, int b) {
    background_.frameWidth = ClampFrameWidth(width);
    background_.frameColour = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetBackgroundAlphaPercent(int percent) {
    background_.alphaPercent = ClampAlphaPercent(percent);
    return Changed();
}

int LayerElementModel::SetBackgroundLuminosityPercent(int percent) {
    background_.luminosityPercent = ClampLuminosityPercent(percent);
    return Changed();
}

int LayerElementModel::SetImageMargins(int left, int top, int right, int bottom) {
    image_.margins = LayerMargins{left, top, right, bottom};
    return Changed();
}

int LayerElementModel::SetImagePosition(int hPos, int vPos) {
    image_.hPos = hPos;
    image_.vPos = vPos;
    return Changed();
}

int LayerElementModel::SetImageZoom(int percent) {
    image_.zoomPercent = ClampLuminosityPercent(percent);
    return Changed();
}

int LayerElementModel::SetImageAlphaPercent(int percent) {
    image_.alphaPercent = ClampAlphaPercent(percent);
    return Changed();
}

int LayerElementModel::SetImageLuminosityPercent(int percent) {
    image_.luminosityPercent = ClampLuminosityPercent(percent);
    return Changed();
}

int LayerElementModel::SetWindowMargins(int left, int top, int right, int bottom) {
    window_.margins = LayerMargins{left, top, right, bottom};
    window_.marginsValid = MarginsFit(width_, height_, window_.margins);
    if (!window_.marginsValid) Fail(kMsgWindowMargin);
    return Changed();
}

int LayerElementModel::SetWindowPosition(int hPos, int vPos) {
    window_.hPos = hPos;
    window_.vPos = vPos;
    return Changed();
}

int LayerElementModel::SetWindowZoom(int percent) {
    window_.zoomPercent = ClampLuminosityPercent(percent);
    return Changed();
}

int LayerElementModel::SetWindowAlphaPercent(int percent) {
    window_.alphaPercent = ClampAlphaPercent(percent);
    return Changed();
}

int LayerElementModel::SetWindowLuminosityPercent(int percent) {
    window_.luminosityPercent = ClampLuminosityPercent(percent);
    return Changed();
}

int LayerElementModel::SetStretchedAlphaPercent(int percent) {
    stretched_.alphaPercent = ClampAlphaPercent(percent);
    return Changed();
}

int LayerElementModel::SetImagesLuminosityPercent(int percent) {
    const int clamped = ClampLuminosityPercent(percent);
    background_.luminosityPercent = clamped;
    image_.luminosityPercent = clamped;
    window_.luminosityPercent = clamped;
    return Changed();
}

int LayerElementModel::SetBlockText(TextBlockId block, const std::string& text) {
    MutableBlock(block).text = text;
    return Changed();
}

int LayerElementModel::SetBlockFont(TextBlockId block, const std::string& family, int sizePx, int type) {
    TextBlockProps& b = MutableBlock(block);
    b.font = family;
    b.size = sizePx;
    b.type = type;
    return Changed();
}

int LayerElementModel::SetBlockPosition(TextBlockId block, int hPos, int vPos) {
    TextBlockProps& b = MutableBlock(block);
    b.hPos = hPos;
    b.vPos = vPos;
    return Changed();
}

int LayerElementModel::SetBlockSingleLine(TextBlockId block, bool singleLine) {
    MutableBlock(block).singleLine = singleLine;
    return Changed();
}

int LayerElementModel::SetBlockOrientation(TextBlockId block, int orientation) {
    MutableBlock(block).orientation = orientation;
    return Changed();
}

int LayerElementModel::SetBlockMargins(TextBlockId block, int left, int top, int right, int bottom) {
    TextBlockProps& b = MutableBlock(block);
    b.margins = LayerMargins{left, top, right, bottom};
    b.marginsValid = MarginsFit(width_, height_, b.margins);
    if (!b.marginsValid) Fail(block == TextBlockId::Title ? kMsgTitleMargin : kMsgTextMargin);
    return Changed();
}

int LayerElementModel::SetBlockColour(TextBlockId block, int a, int r, int g, int b) {
    MutableBlock(block).colour = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetBlockShadowed(TextBlockId block, bool shadowed) {
    MutableBlock(block).shadowed = shadowed;
    return Changed();
}

int LayerElementModel::SetBlockDoubledColour(TextBlockId block, int a, int r, int g, int b) {
    MutableBlock(block).doubled = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetBlockStyle(TextBlockId block, const LayerTextStyle& style) {
    SetBlockFont(block, style.font, style.size, style.type);
    const LayerColour& c = style.colour;
    SetBlockColour(block, c.alpha, c.red, c.green, c.blue);
    SetBlockShadowed(block, style.shadowed);
    if (style.doubled) {
        const LayerColour& d = *style.doubled;
        SetBlockDoubledColour(block, d.alpha, d.red, d.green, d.blue);
    }
    return Changed();
}

int LayerElementModel::SetBlockUnderline(TextBlockId block, bool underline) {
    MutableBlock(block).underline = underline;
    return Changed();
}

int LayerElementModel::SetBlockBackground(TextBlockId block, int a, int r, int g, int b) {
    MutableBlock(block).background = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::SetBlockFrame(TextBlockId block, int width, int a, int r, int g, int b) {
    TextBlockProps& t = MutableBlock(block);
    t.frameWidth = ClampFrameWidth(width);
    t.frameColour = LayerColour::Clamped(a, r, g, b);
    return Changed();
}

int LayerElementModel::ShowBlock(TextBlockId block, bool shown) {
    MutableBlock(block).shown = shown;
    return Changed();
}

int LayerElementModel::SetEditMargins(int left, int top, int right, int bottom) {
    edit_.margins = LayerMargins{left, top, right, bottom};
    edit_.marginsValid = MarginsFit(width_, height_, edit_.margins);
    if (!edit_.marginsValid) Fail(kMsgEditMargin);
    return Changed();
}

int LayerElementModel::SetThumbOrientation(int orientation) {
    thumb_.orientation = orientation;
    return Changed();
}

int LayerElementModel::SetThumbPercent(int percent) {
    thumb_.percent = ClampScrollPercent(percent);
    return Changed();
}

int LayerElementModel::SetThumbMargins(int startMargin, int endMargin) {
    thumb_.startMargin = startMargin;
    thumb_.endMargin = endMargin;
    return Changed();
}

int LayerElementModel::SetThumbAlphaPercent(int percent) {
    thumb_.alphaPercent = ClampAlphaPercent(percent);
    return Changed();
}

int LayerElementModel::SetThumbLuminosityPercent(int percent) {
    thumb_.luminosityPercent = ClampLuminosityPercent(percent);
    return Changed();
}

void LayerElementModel::InvalidatePart(const LayerRect& part) {
    const LayerRect inside = Intersection(part, LayerRect{0, 0, width_, height_});
    if (inside.Empty()) return;
    if (valid_) {
        valid_ = false;
        stale_ = inside;
    } else if (!stale_.Empty()) {
        stale_ = UnionOf(stale_, inside);
    }
}

void LayerElementModel::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    window_.marginsValid = MarginsFit(width_, height_, window_.margins);
    title_.marginsValid = MarginsFit(width_, height_, title_.margins);
    text_.marginsValid = MarginsFit(width_, height_, text_.margins);
    edit_.marginsValid = MarginsFit(width_, height_, edit_.margins);
    Changed();
}

} // namespace vimo
