#pragma once
// The web search kap's address for a search text, free of the platform.
#include <string>

namespace vimo {

// The data file's begin, the text as typed (not escaped) and its end; the navigate address for an
// empty text.
std::string SearchAddress(const std::string& text, const std::string& begin, const std::string& end,
                          const std::string& navigate);
// A dropped text as a search text: its first line.
std::string SearchTextFromDrop(const std::string& dropped);

} // namespace vimo
