#include "support/ini_profile_store.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_util.h"

namespace vimo {

namespace {

// Blanks as the platform's profile code sees them: tab to carriage return, space, and ^Z (an old
// end-of-file mark).
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

bool SameName(std::string_view a, std::string_view b) { return EqualsNoCase(std::string(a), std::string(b)); }

struct IniKey {
    std::string name;
    std::optional<std::string> value; // none for a line without '='
};

struct IniSection {
    std::string name; // empty for the lines before the first header
    std::vector<IniKey> keys;
};

using IniDocument = std::vector<IniSection>;

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
        key.name = std::string(TrimRight(line.substr(0, equals)));
        key.value = std::string(TrimLeft(line.substr(equals + 1)));
    }
    std::vector<IniKey>& keys = doc.back().keys;
    // The platform keeps only the first of consecutive nameless lines ("=value") of a section.
    if (key.name.empty() && !keys.empty() && keys.back().name.empty()) return;
    keys.push_back(std::move(key));
}

IniDocument Parse(std::string_view text) {
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

std::string Serialise(const IniDocument& doc) {
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

// Reads parse the file's whole text. The last text parsed is kept with its document, so the reads of
// an unchanged file (settings and skins are read one key at a time) parse it once.
const IniDocument& Parsed(const std::string& text) {
    thread_local std::string lastText; // Parse("") is the empty document
    thread_local IniDocument lastDocument;
    if (text != lastText) {
        lastDocument = Parse(text);
        lastText = text;
    }
    return lastDocument;
}

// The first section of the name; only its keys are ever searched. (Document and Section are const
// for reads.)
template <typename Document> auto FindSection(Document& doc, std::string_view name) -> decltype(&doc.front()) {
    name = Trim(name);
    for (auto& section : doc)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

template <typename Section> auto FindKey(Section& section, std::string_view name) -> decltype(&section.keys.front()) {
    name = Trim(name);
    for (auto& key : section.keys)
        if (SameName(key.name, name)) return &key;
    return nullptr;
}

// A new section or key takes the name as given, without its leading blanks (trailing ones stay).
IniKey& FindOrAddKey(IniDocument& doc, std::string_view sectionName, std::string_view keyName) {
    IniSection* section = FindSection(doc, sectionName);
    if (!section) {
        doc.push_back(IniSection{std::string(TrimLeft(sectionName)), {}});
        section = &doc.back();
    }
    if (IniKey* key = FindKey(*section, keyName)) return *key;
    section->keys.push_back(IniKey{std::string(TrimLeft(keyName)), std::nullopt});
    return section->keys.back();
}

// The default of a string read loses its trailing spaces (but never its first character).
std::string_view TrimDefault(std::string_view def) {
    while (def.size() > 1 && def.back() == ' ') def.remove_suffix(1);
    return def;
}

// Copies a value into a buffer of bufferSize characters, dropping matching outer quotes. Like
// the platform, the closing quote is dropped from the copy only when the buffer was at least as
// long as the text after the opening quote; at exactly that length the copy already ends one
// character early, so it loses its last character of content.
std::string CopyEntry(std::string_view value, std::size_t bufferSize) {
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    std::string copy(value.substr(0, bufferSize - 1));
    if (quoted && bufferSize >= value.size() && !copy.empty()) copy.pop_back();
    return copy;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
}

// The platform's reading of a whole number: leading blanks and control characters skipped, one
// optional sign, an optional lower-case "0x", "0o" or "0b" base prefix, then digits up to the
// first other character; the result wraps around in 32 bits.
int ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (text.size() - i >= 2 && text[i] == '0') {
        if (text[i + 1] == 'x') base = 16;
        if (text[i + 1] == 'o') base = 8;
        if (text[i + 1] == 'b') base = 2;
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i]);
        if (digit < 0 || digit >= base) break;
        total = total * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative) total = 0u - total;
    if (total <= 0x7fffffffu) return static_cast<int>(total);
    return -static_cast<int>(~total) - 1;
}

// The platform reads a whole number through a string buffer of 30 characters.
constexpr std::size_t kIntBuffer = 30;

} // namespace

std::string MemoryProfileStore::PathKey(const std::string& path) { return ToUpperAscii(path); }

const std::string* MemoryProfileStore::Find(const std::string& path) const {
    auto it = files_.find(PathKey(path));
    return it == files_.end() ? nullptr : &it->second;
}

int MemoryProfileStore::ReadInt(const std::string& path, const std::string& section, const std::string& key,
                                int def) const {
    std::string text = ReadString(path, section, key, "", kIntBuffer);
    return text.empty() ? def : ParseProfileInt(text);
}

std::string MemoryProfileStore::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                           const std::string& def, std::size_t bufferSize) const {
    if (bufferSize == 0) return std::string();
    std::string_view source = TrimDefault(def);
    static const std::string kNoFile;
    const std::string* text = Find(path);
    if (const IniSection* found = FindSection(Parsed(text ? *text : kNoFile), section)) {
        const IniKey* entry = FindKey(*found, key);
        if (entry && entry->value) source = *entry->value;
    }
    return CopyEntry(source, bufferSize);
}

bool MemoryProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value) {
    const std::string* text = Find(path);
    IniDocument doc = text ? Parse(*text) : IniDocument();
    IniKey& entry = FindOrAddKey(doc, section, key);
    std::string_view stored = TrimLeft(value);
    if (entry.value && *entry.value == stored) return true; // unchanged: the file is not rewritten
    entry.value = std::string(stored);
    files_[PathKey(path)] = Serialise(doc);
    return true;
}

bool MemoryProfileStore::FileExists(const std::string& path) const { return HasFile(path); }

void MemoryProfileStore::SetFile(const std::string& path, std::string text) { files_[PathKey(path)] = std::move(text); }

std::string MemoryProfileStore::FileText(const std::string& path) const {
    const std::string* text = Find(path);
    return text ? *text : std::string();
}

bool MemoryProfileStore::HasFile(const std::string& path) const { return Find(path) != nullptr; }

void MemoryProfileStore::RemoveFile(const std::string& path) { files_.erase(PathKey(path)); }

} // namespace vimo
