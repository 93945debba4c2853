// What the RSS reader, the weather kap and the web search take from a feed or a drop, as the texts
// the XML gives them: the fuzz input is those texts separated by NUL bytes. A description is cut to its
// limit, a picture name never leaves the skin folder, a location search entry gives back its code, a
// search name goes into an address escaped, and a dropped text gives one line.
#include <cctype>

#include "base/text_util.h"
#include "fuzz/fuzz_check.h"
#include "kaps/net/news/news_model.h"
#include "kaps/net/search/search_address.h"
#include "kaps/net/weather/weather_model.h"

namespace vimo::fuzz {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void CheckItemTexts(const std::string& text) {
    const std::string description = ShownDescription(text);
    Require(description.size() <= kMaxDescriptionChars && text.compare(0, description.size(), description) == 0,
            "a shown description is the start of the feed's, within its limit");

    const std::string icon = WeatherIconFile(text);
    for (const char c : icon) Require(std::isalnum(static_cast<unsigned char>(c)) || c == '.', "a plain file name");
    Require(icon.empty() || EndsWith(icon, ".png"), "a picture of the skin folder");

    Require(EndsWith(TemperatureText(text, false), "\xb0"
                                                   "F") &&
                EndsWith(TemperatureText(text, true), "\xb0"
                                                      "C"),
            "a temperature with its unit");

    const std::string escaped = EscapeQueryText(text);
    std::string unescaped;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c != '%') {
            Require(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_' || c == '~',
                    "only unreserved characters go into an address as they are");
            unescaped += c;
            continue;
        }
        Require(i + 2 < escaped.size() && HexValue(escaped[i + 1]) >= 0 && HexValue(escaped[i + 2]) >= 0,
                "an escape is two hex digits");
        unescaped += static_cast<char>(HexValue(escaped[i + 1]) * 16 + HexValue(escaped[i + 2]));
        i += 2;
    }
    Require(unescaped == text, "an escaped name stands for the name");

    const std::string address = FeedAddressFromDrop(text);
    Require(address.find_first_of("\r\n") == std::string::npos, "a dropped feed address is one line");
    Require(address.empty() ||
                (address.front() != ' ' && address.front() != '\t' && address.back() != ' ' && address.back() != '\t'),
            "a dropped feed address has no blanks around it");
    const std::string search = SearchTextFromDrop(text);
    Require(search.find_first_of("\r\n") == std::string::npos, "a dropped search text is one line");
}

void CheckLocation(const std::string& name, const std::string& id) {
    std::string code;
    Require(CodeFromSearchEntry(SearchEntry(name, id), code), "a search entry names a location");
    Require(code.find_first_of("()") == std::string::npos, "a location code has no parentheses");
    if (name.find('(') == std::string::npos && id.find_first_of("()") == std::string::npos)
        Require(code == id, "an entry gives back its location's code");
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo::fuzz;
    const std::vector<std::string> texts = Fields(Text(data, size), '\0');
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CheckItemTexts(texts[i]);
        if (i + 1 < texts.size()) CheckLocation(texts[i], texts[i + 1]);
    }
    return 0;
}
