#include "kapframe/kap_document.h"

#include <climits>

namespace vimo {

namespace {
constexpr std::size_t kNameLength = 14;
} // namespace

std::string ComposeHeader(const KapHeader& header) {
    return "A" + header.kapName + (header.locked ? "L" : "U") + header.typeLetters + (header.topMost ? "T" : "N") +
           header.tail;
}

bool ParseHeader(const std::string& line, std::size_t typeLetterCount, KapHeader& header) {
    if (line.empty() || line[0] != 'A') return false;
    auto at = [&](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    auto part = [&](std::size_t from, std::size_t count) {
        return from < line.size() ? line.substr(from, count) : std::string();
    };
    header.kapName = part(1, kNameLength);
    header.locked = at(1 + kNameLength) == 'L';
    header.typeLetters = part(2 + kNameLength, typeLetterCount);
    header.topMost = at(2 + kNameLength + typeLetterCount) == 'T';
    header.tail = part(3 + kNameLength + typeLetterCount, std::string::npos);
    return true;
}

int ParseLeadingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string DocumentWriter::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i) text += '\n';
        text += lines_[i];
    }
    return text;
}

bool DocumentReader::NextLine(std::string& line) {
    if (at_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', at_);
    if (end == std::string::npos) end = text_.size();
    line = text_.substr(at_, end - at_);
    at_ = end + 1;
    return true;
}

std::string DocumentReader::NextString() {
    std::string line;
    NextLine(line);
    return line;
}

KapRect DocumentReader::NextRect() {
    KapRect rect;
    rect.x = NextInt();
    rect.y = NextInt();
    rect.width = NextInt();
    rect.height = NextInt();
    return rect;
}

std::string FormatKapName(std::time_t utc) {
    std::tm parts = {};
#if defined(_WIN32)
    gmtime_s(&parts, &utc);
#else
    gmtime_r(&utc, &parts);
#endif
    char name[32] = {};
    std::strftime(name, sizeof(name), "%Y%m%d%H%M%S", &parts);
    return name;
}

std::string NewKapName(const std::function<std::time_t()>& now, const std::function<bool(const std::string&)>& taken,
                       const std::function<void()>& wait) {
    std::string name = FormatKapName(now());
    while (taken(name)) {
        wait();
        name = FormatKapName(now());
    }
    return name;
}

} // namespace vimo

namespace vimo {

bool IsValidKapName(const std::string& name) {
    if (name.size() != kNameLength) return false;
    for (char c : name)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace vimo
