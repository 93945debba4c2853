#include "base/ini_text.h"

#include <utility>

#include "base/text_util.h"

namespace vimo {

namespace {

bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view Trim(std::string_view text) { return TrimIniRight(TrimIniLeft(text)); }

bool SameName(std::string_view a, std::string_view b) { return EqualsNoCase(a, b); }

// One line, without its line break and surrounding blanks, added to the document.
void ParseLine(std::string_view line, IniDocument& doc) {
    if (line.front() == '[') {
        std::size_t close = line.rfind(']');
        if (close != std::string_view::npos) {
            doc.push_back(IniSection{std::string(Trim(line.substr(1, close - 1))), {}});
            return;
        }
        // A '[' without ']' is an ordinary line.
    }
    IniKey key;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        key.name = std::string(line);
    } else {
        key.name = std::string(TrimIniRight(line.substr(0, equals)));
        key.value = std::string(TrimIniLeft(line.substr(equals + 1)));
    }
    std::vector<IniKey>& keys = doc.back().keys;
    // The platform keeps only the first of consecutive nameless lines ("=value") of a section.
    if (key.name.empty() && !keys.empty() && keys.back().name.empty()) return;
    keys.push_back(std::move(key));
}

// A new section or key takes the name as given, without its leading blanks (trailing ones stay).
IniKey& FindOrAddKey(IniDocument& doc, std::string_view sectionName, std::string_view keyName) {
    IniSection* section = FindIniSection(doc, sectionName);
    if (!section) {
        doc.push_back(IniSection{std::string(TrimIniLeft(sectionName)), {}});
        section = &doc.back();
    }
    if (IniKey* key = FindIniKey(*section, keyName)) return *key;
    section->keys.push_back(IniKey{std::string(TrimIniLeft(keyName)), std::nullopt});
    return section->keys.back();
}

} // namespace

std::string_view TrimIniLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimIniRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

IniDocument ParseIni(std::string_view text) {
    IniDocument doc;
    if (text.empty()) return doc;
    doc.push_back(IniSection{});
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = Trim(text.substr(pos, end - pos));
        pos = text.find_first_not_of("\r\n", end);
        if (pos == std::string_view::npos) pos = text.size();
        if (!line.empty()) ParseLine(line, doc);
    }
    return doc;
}

std::string SerialiseIni(const IniDocument& doc) {
    std::string text;
    for (const IniSection& section : doc) {
        if (!section.name.empty()) text += "[" + section.name + "]\r\n";
        for (const IniKey& key : section.keys) {
            text += key.name;
            if (key.value) text += "=" + *key.value;
            text += "\r\n";
        }
    }
    return text;
}

IniSection* FindIniSection(IniDocument& doc, std::string_view name) {
    name = Trim(name);
    for (IniSection& section : doc)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

IniKey* FindIniKey(IniSection& section, std::string_view name) {
    name = Trim(name);
    for (IniKey& key : section.keys)
        if (SameName(key.name, name)) return &key;
    return nullptr;
}

bool SetIniValue(IniDocument& doc, std::string_view section, std::string_view key, std::string_view value) {
    IniKey& entry = FindOrAddKey(doc, section, key);
    std::string_view stored = TrimIniLeft(value);
    if (entry.value && *entry.value == stored) return false;
    entry.value = std::string(stored);
    return true;
}

bool SetIniValue(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
    IniDocument doc = ParseIni(text);
    if (!SetIniValue(doc, section, key, value)) return false;
    text = SerialiseIni(doc);
    return true;
}

} // namespace vimo
