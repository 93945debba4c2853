#include "kaps/desk/calendar/calendar_document.h"

namespace vimo {

std::string ComposeCalendarDocument(KapHeader header, const KapRect& rect) {
    header.typeLetters.clear();
    header.tail.clear();
    return DocumentWriter(header).Rect(rect).Text();
}

bool ParseCalendarDocument(const std::string& text, CalendarDocument& document) {
    DocumentReader reader(text);
    std::string line;
    if (!reader.NextLine(line)) return false;
    CalendarDocument read;
    if (!ParseHeader(line, 0, read.header)) return false;
    read.rect = reader.NextRect();
    document = read;
    return true;
}

} // namespace vimo
