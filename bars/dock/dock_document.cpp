#include "bars/dock/dock_document.h"

#include "base/text_util.h"

namespace vimo {

namespace {

constexpr std::size_t kLinesPerIcon = 5;

void AppendLine(std::string& text, const std::string& value) {
    text += OneLine(value);
    text += '\n';
}

bool ReadLine(DocumentReader& reader, std::string& line) {
    if (!reader.NextLine(line)) {
        line.clear();
        return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

void ReadInt(DocumentReader& reader, int& value) {
    std::string line;
    if (ReadLine(reader, line)) value = ParseLeadingInt(line);
}

} // namespace

std::string ComposeDockText(const DockDocument& document) {
    std::string text;
    AppendLine(text, std::string("A") + kDockKapName + (document.locked ? "L" : "U"));
    AppendLine(text, std::to_string(document.rect.x));
    AppendLine(text, std::to_string(document.rect.y));
    AppendLine(text, std::to_string(document.rect.width));
    AppendLine(text, std::to_string(document.rect.height));
    for (const DockIcon& icon : document.icons) {
        AppendLine(text, icon.type);
        AppendLine(text, icon.image);
        AppendLine(text, icon.action);
        AppendLine(text, icon.parameter.empty() ? std::string("NULL") : icon.parameter);
        AppendLine(text, icon.title);
    }
    return text;
}

std::optional<DockDocument> ParseDockText(const std::string& text, const KapRect& fallback) {
    DocumentReader reader(text);
    std::string line;
    KapHeader header;
    if (!ReadLine(reader, line) || !ParseHeader(line, 0, header)) return std::nullopt;

    DockDocument document;
    document.locked = header.locked;
    document.rect = fallback;
    ReadInt(reader, document.rect.x);
    ReadInt(reader, document.rect.y);
    ReadInt(reader, document.rect.width);
    ReadInt(reader, document.rect.height);

    while (!reader.AtEnd() && document.icons.size() < kMaxDockIcons) {
        std::string fields[kLinesPerIcon];
        for (std::string& field : fields) ReadLine(reader, field);
        if (fields[0].empty()) continue;
        document.icons.push_back(DockIcon{fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return document;
}

bool HasDockParameter(const std::string& parameter) { return !parameter.empty() && !IsNullWord(parameter); }

} // namespace vimo
