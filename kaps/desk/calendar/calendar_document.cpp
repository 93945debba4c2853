#include "kaps/desk/calendar/calendar_document.h"

namespace vimo {

std::string ComposeCalendarDocument(KapHeader header, const KapRect& rect) {
    header.typeLetters.clear();
    header.tail.clear();
    return DocumentWriter(header).Int(rect.x).Int(rect.y).Int(rect.width).Int(rect.height).Text();
}

bool ParseCalendarDocument(const std::string& text, CalendarDocument& document) {
    DocumentReader reader(text);
    std::string line;
    if (!reader.NextLine(line)) return false;
    CalendarDocument read;
    if (!ParseHeader(line, 0, read.header)) return false;
    read.rect.x = reader.NextInt();
    read.rect.y = reader.NextInt();
    read.rect.width = reader.NextInt();
    read.rect.height = reader.NextInt();
    document = read;
    return true;
}

} // namespace vimo
