#include "kaps/desk/calendar/cell_style.h"

namespace vimo {

namespace {
constexpr int kBoldType = 2;

// A marked day: the text of prefix, the background colour of prefix + "Rect", the frame of
// prefix + "Frame" and the image of prefix + "FileName".
CellStyle MarkedStyle(const SkinRecord& skin, const std::string& prefix) {
    CellStyle style;
    style.text = skin.TextStyle(prefix);
    style.background = skin.Colour(prefix + "Rect");
    style.frameSize = skin.Int(prefix + "FrameSize");
    style.frame = skin.Colour(prefix + "Frame");
    style.image = skin.Str(prefix + "FileName");
    return style;
}
} // namespace

CellStyle CellStyleOf(CellLook look, const SkinRecord& skin) {
    CellStyle style;
    switch (look) {
    case CellLook::DayLetter:
        style.text = skin.TextStyle("Text");
        style.text.type = kBoldType;
        break;
    case CellLook::Day: style.text = skin.TextStyle("Text"); break;
    case CellLook::Today: style = MarkedStyle(skin, "Today"); break;
    case CellLook::Alarm: style = MarkedStyle(skin, "Note"); break;
    case CellLook::Keep:
    case CellLook::Blank: break;
    }
    return style;
}

} // namespace vimo
