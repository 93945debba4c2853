#pragma once
// Nine-slice placement of a background image: the four corners keep their size, the edges
// stretch along one axis and the centre along both.
#include <array>

#include "layer/layer_geometry.h"

namespace vimo {

struct SlicePiece {
    LayerRect dest;   // in the element
    LayerRect source; // in the image
};

struct SliceCuts {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The nine pieces for an element of elementWidth x elementHeight and an image of
// imageWidth x imageHeight, in the order top-left, top, top-right, left, centre, right,
// bottom-left, bottom, bottom-right.
std::array<SlicePiece, 9> NineSlicePieces(int elementWidth, int elementHeight, int imageWidth, int imageHeight,
                                          const SliceCuts& cuts);

// True when the cut widths leave a middle in both the image and the element: image width and
// element width above left + right, image height and element height above top + bottom.
bool SliceCutsFit(int elementWidth, int elementHeight, int imageWidth, int imageHeight, const SliceCuts& cuts);

} // namespace vimo
