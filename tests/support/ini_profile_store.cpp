#include "support/ini_profile_store.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

#include "base/ini_text.h"
#include "base/text_util.h"

namespace vimo {

namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool EndsInBlank(std::string_view text) { return TrimIniRight(text).size() != text.size(); }

bool SameDocument(const IniDocument& a, const IniDocument& b) {
    auto sameKeys = [](const std::vector<IniKey>& x, const std::vector<IniKey>& y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                          [](const IniKey& p, const IniKey& q) { return p.name == q.name && p.value == q.value; });
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](const IniSection& p, const IniSection& q) {
        return p.name == q.name && sameKeys(p.keys, q.keys);
    });
}

// Whether a write into a document that reads back as itself leaves it so: the line it changes or
// adds, and the header it adds, must parse back to the same names and value. Other writes (line
// breaks in what is written, a key that would read as a header, names with trailing blanks, a
// section added to an empty file) go through the text.
bool WritesInPlace(IniDocument& doc, std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view stored = TrimIniLeft(value);
    if (doc.empty() || HasLineBreak(stored) || EndsInBlank(stored)) return false;
    IniSection* found = FindIniSection(doc, section);
    if (!found) {
        const std::string_view name = TrimIniLeft(section);
        if (name.empty() || HasLineBreak(name) || EndsInBlank(name)) return false;
    }
    if (IniKey* entry = found ? FindIniKey(*found, key) : nullptr) return entry->name.rfind('[', 0) != 0;
    const std::string_view name = TrimIniLeft(key);
    return name.find_first_of("=\r\n") == std::string_view::npos && !EndsInBlank(name) && name.rfind('[', 0) != 0;
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

const std::string& MemoryProfileStore::StoredFile::Text() const {
    if (textBehind) {
        text = SerialiseIni(*document);
        textBehind = false;
    }
    return text;
}

IniDocument& MemoryProfileStore::StoredFile::Document() const {
    if (!document) {
        document = ParseIni(text);
        readsBack = SameDocument(ParseIni(SerialiseIni(*document)), *document);
    }
    return *document;
}

// As SetIniValue on the text, which parses the text anew for every key written: where the document
// reads back as itself the write changes it in place, so a file is parsed once for many writes.
bool MemoryProfileStore::StoredFile::Write(const std::string& section, const std::string& key,
                                           const std::string& value) {
    IniDocument& doc = Document();
    if (readsBack && WritesInPlace(doc, section, key, value)) {
        if (!SetIniValue(doc, section, key, value)) return false;
        textBehind = true;
        return true;
    }
    std::string changed = Text();
    if (!SetIniValue(changed, section, key, value)) return false;
    *this = StoredFile(std::move(changed));
    return true;
}

const MemoryProfileStore::StoredFile* MemoryProfileStore::Find(const std::string& path) const {
    if (last_.valid && last_.path == path) return last_.found;
    auto it = files_.find(path);
    last_.found = it == files_.end() ? nullptr : &it->second;
    last_.path = path;
    last_.valid = true;
    return last_.found;
}

const std::string* MemoryProfileStore::Value(const std::string& path, const std::string& section,
                                             const std::string& key) const {
    const StoredFile* file = Find(path);
    IniSection* found = file ? FindIniSection(file->Document(), section) : nullptr;
    IniKey* entry = found ? FindIniKey(*found, key) : nullptr;
    return entry && entry->value ? &*entry->value : nullptr;
}

// A missing key gives the default without a copy: skin files are read key by key, most of them absent.
int MemoryProfileStore::ReadInt(const std::string& path, const std::string& section, const std::string& key,
                                int def) const {
    const std::string* value = Value(path, section, key);
    const std::string text = value ? CopyEntry(*value, kIntBuffer) : std::string();
    return text.empty() ? def : ParseProfileInt(text);
}

std::string MemoryProfileStore::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                           const std::string& def, std::size_t bufferSize) const {
    if (bufferSize == 0) return std::string();
    const std::string* value = Value(path, section, key);
    return CopyEntry(value ? std::string_view(*value) : TrimDefault(def), bufferSize);
}

bool MemoryProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                     const std::string& value) {
    auto found = files_.find(path);
    if (found == files_.end()) {
        found = files_.emplace(path, StoredFile(std::string())).first;
        last_.valid = false;
    }
    found->second.Write(section, key, value);
    return true;
}

bool MemoryProfileStore::FileExists(const std::string& path) const { return HasFile(path); }

void MemoryProfileStore::SetFile(const std::string& path, std::string text) {
    files_.insert_or_assign(path, StoredFile(std::move(text)));
    last_.valid = false;
}

std::string MemoryProfileStore::FileText(const std::string& path) const {
    const StoredFile* file = Find(path);
    return file ? file->Text() : std::string();
}

bool MemoryProfileStore::HasFile(const std::string& path) const { return Find(path) != nullptr; }

void MemoryProfileStore::RemoveFile(const std::string& path) {
    files_.erase(path);
    last_.valid = false;
}

} // namespace vimo
