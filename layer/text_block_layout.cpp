#include "layer/text_block_layout.h"

namespace vimo {

int FontStyleFromType(int type, bool underline) {
    int style = kStyleRegular;
    switch (type) {
    case 1: style = kStyleItalic; break;
    case 2: style = kStyleBold; break;
    case 3: style = kStyleBold | kStyleItalic; break;
    case 4: style = kStyleUnderline; break;
    case 5: style = kStyleStrikeout; break;
    default: break;
    }
    return underline ? (style | kStyleUnderline) : style;
}

int AlignmentFromPosition(int position) {
    switch (position) {
    case 1: return 0;
    case 2: return 2;
    default: return 1;
    }
}

LayerRectF TextLayoutRect(int elementWidth, int elementHeight, const LayerMargins& m) {
    return LayerRectF{static_cast<float>(m.left), static_cast<float>(m.top),
                      static_cast<float>(elementWidth - m.right - m.left),
                      static_cast<float>(elementHeight - m.top - m.bottom)};
}

LayerRectF AlignMeasuredBox(const LayerRectF& layout, float width, float height, int alignment, int lineAlignment) {
    auto place = [](float start, float room, float size, int align) {
        if (align == 0) return start;
        if (align == 2) return start + room - size;
        return start + (room - size) / 2.0f;
    };
    return LayerRectF{place(layout.x, layout.width, width, alignment),
                      place(layout.y, layout.height, height, lineAlignment), width, height};
}

LayerRectF TextBackgroundBox(const LayerRectF& r) { return LayerRectF{r.x, r.y, r.width - 1.0f, r.height - 1.0f}; }

LayerRectF TextFrameBox(const LayerRectF& r, int frameWidth) {
    const float half = static_cast<float>(frameWidth / 2), w = static_cast<float>(frameWidth);
    return LayerRectF{r.x + half, r.y + half, r.width - w, r.height - w};
}

LayerRectF ElementFrameBox(int elementWidth, int elementHeight, int frameWidth) {
    const float half = static_cast<float>(frameWidth / 2);
    return LayerRectF{half, half, static_cast<float>(elementWidth - frameWidth),
                      static_cast<float>(elementHeight - frameWidth)};
}

std::vector<TextOffset> ShadowOffsets(int fontSizePx, bool outlined) {
    const int d = outlined ? 2 : 1;
    std::vector<TextOffset> offsets{{d, d}};
    if (fontSizePx > 14) offsets.insert(offsets.end(), {{d + 1, d}, {d, d + 1}, {d + 1, d + 1}});
    return offsets;
}

std::vector<TextOffset> OutlineOffsets() {
    return {{-1, -1}, {-1, 0}, {0, -1}, {0, 1}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
}

bool UsesGridFit(int fontSizePx) { return fontSizePx < 14; }

} // namespace vimo
