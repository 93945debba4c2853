#pragma once
// The clock kap's document: the common header with one mode letter between the lock and the
// top-most letter ("C" chronometer, "T" time), then x, y, width and height. Nothing follows.
#include <string>

#include "kapframe/kap_document.h"

namespace vimo {

constexpr const char* kClockTypeTag = "VIMOCLOCK";

// "C" in chronometer mode, "T" in clock mode.
const char* ClockModeLetter(bool chronometerMode);
// Only "C" means chronometer mode; any other letter reads as clock mode.
bool ChronometerModeFromLetters(const std::string& typeLetters);

struct ClockDocument {
    KapHeader header; // its type letters are the mode letter
    KapRect rect;     // width and height are read back but the window takes its size from the skin
    bool chronometerMode = false;
};

// The plain text of the document; the header's type letters are replaced by the mode letter.
std::string ComposeClockDocument(KapHeader header, const KapRect& rect, bool chronometerMode);
// False when the text has no header line starting with "A" (the document is not usable).
bool ParseClockDocument(const std::string& text, ClockDocument& document);

} // namespace vimo
