#include "kaps/desk/calendar/cell_style.h"

namespace vimo {

namespace {
constexpr int kBoldType = 2;

LayerColour ColourOf(const SkinRecord& skin, const std::string& prefix) {
    return LayerColour::Clamped(skin.Int(prefix + "Alpha"), skin.Int(prefix + "Red"), skin.Int(prefix + "Green"),
                                skin.Int(prefix + "Blue"));
}

// A marked day: the text of prefix, the background colour of prefix + "Rect", the frame of
// prefix + "Frame" and the image of prefix + "FileName".
CellStyle MarkedStyle(const SkinRecord& skin, const std::string& prefix) {
    CellStyle style;
    style.text = CalendarTextStyleOf(skin, prefix);
    style.background = ColourOf(skin, prefix + "Rect");
    style.frameSize = skin.Int(prefix + "FrameSize");
    style.frame = ColourOf(skin, prefix + "Frame");
    style.image = skin.Str(prefix + "FileName");
    return style;
}
} // namespace

CalendarTextStyle CalendarTextStyleOf(const SkinRecord& skin, const std::string& prefix) {
    CalendarTextStyle style;
    style.font = skin.Str(prefix + "Font");
    style.size = skin.Int(prefix + "Size");
    style.type = skin.Int(prefix + "Type");
    style.colour = ColourOf(skin, prefix);
    style.shadowed = skin.Int(prefix + "Shadowed") != 0;
    return style;
}

CellStyle CellStyleOf(CellLook look, const SkinRecord& skin) {
    CellStyle style;
    switch (look) {
    case CellLook::DayLetter:
        style.text = CalendarTextStyleOf(skin, "Text");
        style.text.type = kBoldType;
        break;
    case CellLook::Day: style.text = CalendarTextStyleOf(skin, "Text"); break;
    case CellLook::Today: style = MarkedStyle(skin, "Today"); break;
    case CellLook::Alarm: style = MarkedStyle(skin, "Note"); break;
    case CellLook::Keep:
    case CellLook::Blank: break;
    }
    return style;
}

} // namespace vimo
