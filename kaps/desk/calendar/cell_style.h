#pragma once
// How the calendar draws its title, its buttons and each kind of grid cell, from the calendar's
// skin record: text style, background colour, background frame and image.
#include <string>

#include "kaps/desk/calendar/month_grid.h"
#include "layer/layer_colour.h"
#include "layer/skin/skin_record.h"

namespace vimo {

struct CalendarTextStyle {
    std::string font = "Arial";
    int size = 16; // pixels
    int type = 0;  // 1 italic, 2 bold, 3 bold italic, 4 underline, 5 strike-out, other regular
    LayerColour colour{255, 0, 0, 0};
    bool shadowed = false;
};

struct CellStyle {
    CalendarTextStyle text;
    LayerColour background; // off while its alpha is 0
    int frameSize = 0;      // a solid frame of this width, off at 0
    LayerColour frame;
    std::string image; // full path; empty for none
};

// The text keys of an element prefix: <prefix>Font, Size, Type, Alpha, Red, Green, Blue, Shadowed.
CalendarTextStyle CalendarTextStyleOf(const SkinRecord& skin, const std::string& prefix);

// The style of a cell look. Day letters take the ordinary text keys, always bold, with nothing
// behind them; ordinary days the text keys alone; today the Today, TodayRect and TodayFrame keys;
// alarm days the Note, NoteRect and NoteFrame keys. A blank cell (and Keep, which the window never
// applies) has no text style of the skin: Arial 16 in opaque black, transparent, no frame or image.
CellStyle CellStyleOf(CellLook look, const SkinRecord& skin);

} // namespace vimo
