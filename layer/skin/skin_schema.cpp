#include "layer/skin/skin_schema.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "base/text_util.h"

namespace vimo {

namespace {

constexpr const char kFileNameSuffix[] = "FileName";

std::string Trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

bool IsIdentifier(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// A whole decimal number with an optional sign and nothing else.
bool ParseNumber(const std::string& text, int& value) {
    std::size_t digits = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (digits >= text.size()) return false;
    for (std::size_t i = digits; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    long parsed = std::strtol(text.c_str(), nullptr, 10);
    if (parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

// Splits at commas that are not inside double quotes.
std::vector<std::string> SplitItems(const std::string& text) {
    std::vector<std::string> items;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            items.push_back(Trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    items.push_back(Trim(current));
    return items;
}

// Joins continuation lines (a line ending in a comma goes on) and drops blank lines.
std::vector<std::string> SplitRows(const std::string& text) {
    std::vector<std::string> rows;
    std::string pending;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        pending += pending.empty() ? line : " " + line;
        if (pending.back() != ',') {
            rows.push_back(pending);
            pending.clear();
        }
    }
    if (!pending.empty()) rows.push_back(pending);
    return rows;
}

class TableParser {
public:
    TableParser(SkinType type, SkinFileRole role) : type_(type), role_(role) {}

    void ParseRow(const std::string& row) {
        row_ = row;
        std::size_t mark = row.find_first_of(":=");
        if (mark == std::string::npos) Fail("no ':' or '='");
        std::string head = Trim(row.substr(0, mark));
        std::string rest = row.substr(mark + 1);
        if (!IsIdentifier(head)) Fail("bad name '" + head + "'");
        if (row[mark] == '=') {
            AddKey(head, Trim(rest));
            return;
        }
        for (const std::string& item : SplitItems(rest)) {
            std::size_t space = item.find_first_of(" \t");
            if (space == std::string::npos) Fail("no default in '" + item + "'");
            std::string suffix = item.substr(0, space);
            if (!IsIdentifier(suffix)) Fail("bad suffix '" + suffix + "'");
            AddKey(head + suffix, Trim(item.substr(space + 1)));
        }
    }

    std::vector<SkinKey> TakeKeys() { return std::move(keys_); }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        std::string table = std::string(SkinTypeWord(type_)) + (role_ == SkinFileRole::Skin ? "Skin" : "Data");
        throw SkinKeyError("key table " + table + ": " + what + " in row \"" + row_ + "\"");
    }

    void AddKey(const std::string& name, const std::string& def) {
        if (!index_.emplace(name, static_cast<int>(keys_.size())).second) Fail("key " + name + " listed twice");
        SkinKey key;
        key.name = name;
        const bool fileName = EndsWith(name, kFileNameSuffix);
        if (def == "empty") {
            key.kind = fileName ? SkinKeyKind::FileName : SkinKeyKind::String;
        } else if (fileName) {
            Fail("file name key " + name + " must default to empty");
        } else if (def.size() >= 2 && def.front() == '"' && def.back() == '"') {
            key.kind = SkinKeyKind::String;
            key.text = def.substr(1, def.size() - 2);
            if (key.text.find('"') != std::string::npos) Fail("bad string default " + def);
        } else if (ParseNumber(def, key.number)) {
            key.kind = SkinKeyKind::Integer;
        } else {
            ParseDependentDefault(def, key);
        }
        keys_.push_back(std::move(key));
    }

    // "IconWidth-10": the value of an earlier whole-number key plus a number.
    void ParseDependentDefault(const std::string& def, SkinKey& key) const {
        std::size_t sign = def.find_first_of("+-");
        if (sign == std::string::npos || !ParseNumber(def.substr(sign), key.number))
            Fail("bad default '" + def + "' for " + key.name);
        auto base = index_.find(Trim(def.substr(0, sign)));
        if (base != index_.end() && base->second < static_cast<int>(keys_.size()) &&
            keys_[static_cast<std::size_t>(base->second)].kind == SkinKeyKind::Integer) {
            key.kind = SkinKeyKind::Integer;
            key.baseIndex = base->second;
            return;
        }
        Fail("default of " + key.name + " refers to " + def.substr(0, sign) + ", not an earlier number key");
    }

    SkinType type_;
    SkinFileRole role_;
    std::string row_;
    std::vector<SkinKey> keys_;
    std::unordered_map<std::string, int> index_; // names of the keys so far
};

} // namespace

SkinFileSchema::SkinFileSchema(SkinType type, SkinFileRole role, std::vector<SkinKey> keys)
    : type_(type), role_(role), keys_(std::move(keys)) {
    for (std::size_t i = 0; i < keys_.size(); ++i) index_.emplace(keys_[i].name, static_cast<int>(i));
}

std::string SkinFileSchema::FileName() const {
    return std::string(role_ == SkinFileRole::Skin ? "Skin." : "Data.") + SkinTypeWord(type_);
}

std::string SkinFileSchema::Section() const {
    return std::string(SkinTypeWord(type_)) + (role_ == SkinFileRole::Skin ? "Skin" : "Data");
}

int SkinFileSchema::Find(const std::string& name) const {
    auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

std::shared_ptr<const SkinFileSchema> ParseSkinTable(SkinType type, SkinFileRole role, const std::string& text) {
    TableParser parser(type, role);
    for (const std::string& row : SplitRows(text)) parser.ParseRow(row);
    return std::make_shared<const SkinFileSchema>(type, role, parser.TakeKeys());
}

} // namespace vimo
