#include "support/ini_profile_store.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "base/ini_text.h"
#include "base/text_util.h"

namespace vimo {

namespace {

// Reads parse the file's whole text. The last text parsed is kept with its document, so the reads of
// an unchanged file (settings and skins are read one key at a time) parse it once.
IniDocument& Parsed(const std::string& text) {
    thread_local std::string lastText; // ParseIni("") is the empty document
    thread_local IniDocument lastDocument;
    if (text != lastText) {
        lastDocument = ParseIni(text);
        lastText = text;
    }
    return lastDocument;
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

bool MemoryProfileStore::PathLess::operator()(std::string_view a, std::string_view b) const { return LessNoCase(a, b); }

const std::string* MemoryProfileStore::Find(const std::string& path) const {
    if (last_.valid && last_.path == path) return last_.found;
    auto it = files_.find(path);
    last_.found = it == files_.end() ? nullptr : &it->second;
    last_.path = path;
    last_.valid = true;
    return last_.found;
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
    if (IniSection* found = FindIniSection(Parsed(text ? *text : kNoFile), section)) {
        IniKey* entry = FindIniKey(*found, key);
        if (entry && entry->value) source = *entry->value;
    }
    return CopyEntry(source, bufferSize);
}

bool MemoryProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value) {
    std::string text = FileText(path);
    if (SetIniValue(text, section, key, value)) SetFile(path, std::move(text));
    return true;
}

bool MemoryProfileStore::FileExists(const std::string& path) const { return HasFile(path); }

void MemoryProfileStore::SetFile(const std::string& path, std::string text) {
    files_[path] = std::move(text);
    last_.valid = false;
}

std::string MemoryProfileStore::FileText(const std::string& path) const {
    const std::string* text = Find(path);
    return text ? *text : std::string();
}

bool MemoryProfileStore::HasFile(const std::string& path) const { return Find(path) != nullptr; }

void MemoryProfileStore::RemoveFile(const std::string& path) {
    files_.erase(path);
    last_.valid = false;
}

} // namespace vimo
