#pragma once
// Where an image (or a window capture) goes inside an element: fitted into the box left by the
// margins, scaled by the zoom, and placed by the horizontal and vertical position codes.
#include "layer/layer_geometry.h"

namespace vimo {

struct LayerMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Horizontal position codes: 0 centre, 1 left, 2 right (others centre).
// Vertical position codes: 0 centre, 1 top, 2 bottom, 3 one quarter, 4 three quarters (others centre).
struct FittedImage {
    int x = 0, y = 0;            // truncated to whole pixels
    float width = 0, height = 0; // drawn size
};

FittedImage FitImage(int elementWidth, int elementHeight, const LayerMargins& margins, int imageWidth, int imageHeight,
                     int hPos, int vPos, int zoomPercent);

// Offset of a scroll thumb along its bar: start margin + (length - start margin - end margin -
// thumb length) x percent / 100, truncated towards zero.
int ThumbOffset(int barLength, int startMargin, int endMargin, int thumbLength, int percent);

// True when margins leave a non-empty box: element width above left + right and element height
// above top + bottom.
bool MarginsFit(int elementWidth, int elementHeight, const LayerMargins& margins);

} // namespace vimo
