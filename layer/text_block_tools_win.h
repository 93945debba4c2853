#pragma once
// The font and string format a text block of a layer element is drawn with, made for the block's
// style and kept while the style stays: making a font looks its family up among the installed
// fonts each time.
#include <string>

#include "layer/element_model.h"
#include "layer/gdiplus_raii_win.h"

namespace vimo {

struct TextBlockTools {
    GdipFont font;
    GdipStringFormat format;
    // The style they were made for.
    std::string fontName;
    int size = 0, type = 0, hPos = 0, vPos = 0, orientation = 0;
    bool underline = false, singleLine = false;

    bool MadeFor(const TextBlockProps& b) const {
        return fontName == b.font && size == b.size && type == b.type && hPos == b.hPos && vPos == b.vPos &&
               orientation == b.orientation && underline == b.underline && singleLine == b.singleLine;
    }
};

} // namespace vimo
