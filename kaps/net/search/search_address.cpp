#include "kaps/net/search/search_address.h"

namespace vimo {

std::string SearchAddress(const std::string& text, const std::string& begin, const std::string& end,
                          const std::string& navigate) {
    return text.empty() ? navigate : begin + text + end;
}

std::string SearchTextFromDrop(const std::string& dropped) { return dropped.substr(0, dropped.find_first_of("\r\n")); }

} // namespace vimo
