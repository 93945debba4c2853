#pragma once
// The arithmetic of drawing a text or title block: font style bits, string alignment, the layout
// rectangle, the boxes of the text background and text frame, and the offsets of the shadow and
// of the one-pixel outline.
#include <vector>

#include "layer/image_fit.h"

namespace vimo {

// Font style bits with the values of the drawing library: bold 1, italic 2, underline 4, strike-out 8.
enum FontStyleBits { kStyleRegular = 0, kStyleBold = 1, kStyleItalic = 2, kStyleUnderline = 4, kStyleStrikeout = 8 };

// Style type 1 italic, 2 bold, 3 bold italic, 4 underline, 5 strike-out, others regular; the
// underline flag adds underline to whatever the type gives.
int FontStyleFromType(int type, bool underline);

// String alignment with the values of the drawing library: 0 near, 1 centre, 2 far.
// Position 0 centre, 1 near, 2 far, others centre.
int AlignmentFromPosition(int position);

struct LayerRectF {
    float x = 0, y = 0, width = 0, height = 0;
};

// The element less the block's margins.
LayerRectF TextLayoutRect(int elementWidth, int elementHeight, const LayerMargins& margins);
// Places a measured text size in the layout rectangle by the block's alignments (values of
// AlignmentFromPosition: 0 near, 1 centre, 2 far), where the string is drawn.
LayerRectF AlignMeasuredBox(const LayerRectF& layout, float width, float height, int alignment, int lineAlignment);
// The measured text box made 1 pixel narrower and 1 pixel lower.
LayerRectF TextBackgroundBox(const LayerRectF& measured);
// The measured text box moved right and down by half the frame width (rounded towards zero) and
// made smaller by the frame width in both directions.
LayerRectF TextFrameBox(const LayerRectF& measured, int frameWidth);
// The rectangle of a frame of width w around an element: (w/2, w/2, width - w, height - w).
LayerRectF ElementFrameBox(int elementWidth, int elementHeight, int frameWidth);

struct TextOffset {
    int dx = 0, dy = 0;
    bool operator==(const TextOffset& o) const { return dx == o.dx && dy == o.dy; }
};

// Where the shadow copies of a string go: (+d, +d) with d 1, or 2 when the outline is on; a font
// above 14 px adds (+d+1, +d), (+d, +d+1) and (+d+1, +d+1).
std::vector<TextOffset> ShadowOffsets(int fontSizePx, bool outlined);
// The eight one-pixel moves of the outline.
std::vector<TextOffset> OutlineOffsets();
// Small text is drawn with grid fitting: sizes below 14 px.
bool UsesGridFit(int fontSizePx);

} // namespace vimo
