#pragma once
// How the calendar draws its title, its buttons and each kind of grid cell, from the calendar's
// skin record: text style, background colour, background frame and image.
#include <string>

#include "kaps/desk/calendar/month_grid.h"
#include "layer/layer_colour.h"
#include "layer/skin/skin_record.h"
#include "layer/text_style.h"

namespace vimo {

struct CellStyle {
    LayerTextStyle text{"Arial", 16, 0, LayerColour{255, 0, 0, 0}, false, {}};
    LayerColour background; // off while its alpha is 0
    int frameSize = 0;      // a solid frame of this width, off at 0
    LayerColour frame;
    std::string image; // full path; empty for none
};

// The style of a cell look. Day letters take the ordinary text keys, always bold, with nothing
// behind them; ordinary days the text keys alone; today the Today, TodayRect and TodayFrame keys;
// alarm days the Note, NoteRect and NoteFrame keys. A blank cell (and Keep, which the window never
// applies) has no text style of the skin: Arial 16 in opaque black, transparent, no frame or image.
CellStyle CellStyleOf(CellLook look, const SkinRecord& skin);

} // namespace vimo
