#include "kaps/net/news/news_model.h"

namespace vimo {

void ReadNewsPayload(DocumentReader& reader, NewsValues& values) {
    const int interval = reader.NextInt();
    values.intervalMs = interval > 0 ? interval : kNewsInterval5Min;
    values.url = reader.NextString();
}

void WriteNewsPayload(DocumentWriter& writer, const NewsValues& values) {
    writer.Int(values.intervalMs).Line(values.url);
}

char NewsTypeLetter(bool active) { return active ? 'A' : 'I'; }

bool NewsActiveFromLetter(const std::string& letters) { return !letters.empty() && letters[0] == 'A'; }

std::string FeedAddressFromDrop(const std::string& dropped) {
    const std::size_t end = dropped.find_first_of("\r\n");
    const std::string line = dropped.substr(0, end);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

std::string ShownDescription(const std::string& description) {
    return description.size() <= kMaxDescriptionChars ? description : description.substr(0, kMaxDescriptionChars);
}

} // namespace vimo
