#pragma once
// The RSS reader's values, its document lines and its scrolling arithmetic, free of the platform.
#include <string>

#include "kapframe/kap_document.h"

namespace vimo {

constexpr int kNewsInterval5Min = 300000;
constexpr int kNewsInterval30Min = 1800000;
constexpr int kNewsInterval60Min = 3600000;

// What is shown of a feed at most: items beyond this are left out, longer descriptions are cut.
constexpr std::size_t kMaxNewsItems = 100;
constexpr std::size_t kMaxDescriptionChars = 2000;

struct NewsValues {
    bool active = false;                // automatic download on: header letter 'A', otherwise 'I'
    int intervalMs = kNewsInterval5Min; // line 6
    std::string url;                    // line 7
};

// Lines 6 and 7. An interval that is none of the three choices is used as it stands, unless it is
// not a usable timer period (0 or less): then the kap downloads every 5 minutes.
void ReadNewsPayload(DocumentReader& reader, NewsValues& values);
void WriteNewsPayload(DocumentWriter& writer, const NewsValues& values);
char NewsTypeLetter(bool active);
bool NewsActiveFromLetter(const std::string& letters);

// A dropped text as a feed address: its first line without surrounding blanks (a document line
// cannot hold more).
std::string FeedAddressFromDrop(const std::string& dropped);

// A description cut to kMaxDescriptionChars.
std::string ShownDescription(const std::string& description);

} // namespace vimo
