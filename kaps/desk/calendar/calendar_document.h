#pragma once
// The calendar kap's document: the common header (lock and top-most letters only), then x, y,
// width and height. The shown month is not kept: a calendar always opens on the current month.
#include <string>

#include "kapframe/kap_document.h"

namespace vimo {

constexpr const char* kCalendarTypeTag = "VIMOCALENDAR";

struct CalendarDocument {
    KapHeader header;
    KapRect rect; // width and height are read back but the window takes its size from the skin
};

// The header's type letters and tail are not written.
std::string ComposeCalendarDocument(KapHeader header, const KapRect& rect);
// False when the text has no header line starting with "A" (the document is not usable).
bool ParseCalendarDocument(const std::string& text, CalendarDocument& document);

} // namespace vimo
