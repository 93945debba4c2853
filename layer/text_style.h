#pragma once
// The look of a text block as a skin gives it under one prefix: the font, its size and type, the
// colour, the shadow and the one-pixel outline.
#include <optional>
#include <string>

#include "layer/layer_colour.h"

namespace vimo {

struct LayerTextStyle {
    std::string font;
    int size = 0; // pixels
    int type = 0; // 1 italic, 2 bold, 3 bold italic, 4 underline, 5 strike-out, other regular
    LayerColour colour;
    bool shadowed = false;
    std::optional<LayerColour> doubled; // none: the block's outline is left as it is
};

} // namespace vimo
