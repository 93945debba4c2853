#include "kaps/desk/clock/clock_document.h"

namespace vimo {

const char* ClockModeLetter(bool chronometerMode) { return chronometerMode ? "C" : "T"; }

bool ChronometerModeFromLetters(const std::string& typeLetters) { return typeLetters == "C"; }

std::string ComposeClockDocument(KapHeader header, const KapRect& rect, bool chronometerMode) {
    header.typeLetters = ClockModeLetter(chronometerMode);
    header.tail.clear();
    return DocumentWriter(header).Rect(rect).Text();
}

bool ParseClockDocument(const std::string& text, ClockDocument& document) {
    DocumentReader reader(text);
    std::string line;
    if (!reader.NextLine(line)) return false;
    ClockDocument read;
    if (!ParseHeader(line, 1, read.header)) return false;
    read.chronometerMode = ChronometerModeFromLetters(read.header.typeLetters);
    read.rect = reader.NextRect();
    document = read;
    return true;
}

} // namespace vimo
