#include "base/text_util.h"

#include <algorithm>

namespace vimo {

namespace {
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
} // namespace

std::string ToUpperAscii(std::string text) {
    for (char& c : text) c = UpperAscii(c);
    return text;
}

bool IsNullWord(const std::string& text) { return EqualsNoCase(text, "NULL"); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

bool LessNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(UpperAscii(a[i]));
        const unsigned char y = static_cast<unsigned char>(UpperAscii(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

} // namespace vimo
