#include "layer/skin/skin_lint.h"

#include <cctype>

#include "base/text_util.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsWholeNumber(const std::string& text) {
    std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool IsColourPart(const std::string& key) {
    for (const char* part : {"Alpha", "Red", "Green", "Blue"})
        if (EndsWith(key, part)) return true;
    return false;
}

std::string RectText(const LayerRect& r) {
    return std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) + " x " +
           std::to_string(r.height);
}

} // namespace

std::vector<std::string> ElementPrefixes(const SkinFileSchema& schema) {
    std::vector<std::string> prefixes;
    for (const SkinKey& key : schema.Keys()) {
        if (!EndsWith(key.name, "Width") || key.kind != SkinKeyKind::Integer) continue;
        const std::string prefix = key.name.substr(0, key.name.size() - 5);
        if (prefix.empty() || schema.Find(prefix + "Height") < 0) continue;
        if ((schema.Find(prefix + "PosX") >= 0 && schema.Find(prefix + "PosY") >= 0) ||
            (schema.Find(prefix + "XPos") >= 0 && schema.Find(prefix + "YPos") >= 0))
            prefixes.push_back(prefix);
    }
    return prefixes;
}

std::vector<std::string> NineSlicePrefixes(const SkinFileSchema& schema) {
    std::vector<std::string> prefixes;
    for (const SkinKey& key : schema.Keys()) {
        if (!EndsWith(key.name, "CutLeft")) continue;
        const std::string prefix = key.name.substr(0, key.name.size() - 7);
        bool all = schema.Find(prefix + "FileName") >= 0;
        for (const char* side : {"CutRight", "CutTop", "CutBottom"}) all = all && schema.Find(prefix + side) >= 0;
        if (all) prefixes.push_back(prefix);
    }
    return prefixes;
}

std::vector<SkinProblem> LintSkinRecord(const SkinRecord& record, const ProfileStore& store) {
    std::vector<SkinProblem> problems;
    if (!store.FileExists(record.FilePath())) {
        problems.push_back({"", "the file " + record.FilePath() + " is missing (every key takes its default)"});
        return problems;
    }
    const SkinFileSchema& schema = record.Schema();
    for (const SkinKey& key : schema.Keys()) {
        if (key.kind != SkinKeyKind::Integer) continue;
        const std::string raw = Trimmed(store.ReadString(record.FilePath(), schema.Section(), key.name, "", 256));
        if (!raw.empty() && !IsWholeNumber(raw)) {
            problems.push_back({key.name, "\"" + raw + "\" is not a whole number"});
            continue;
        }
        const int value = record.Int(key.name);
        if (IsColourPart(key.name) && (value < 0 || value > 255))
            problems.push_back({key.name, std::to_string(value) + " is outside 0 ... 255"});
    }
    if (record.Type() == SkinType::RemoteKap || !record.Has("IconWidth")) return problems;
    const SkinSize design = DesignSize(record);
    for (const std::string& prefix : ElementPrefixes(schema)) {
        const LayerRect r = ElementRect(record, prefix, design);
        if (r.width < 0 || r.height < 0)
            problems.push_back({prefix, "a negative size (" + RectText(r) + ")"});
        else if (r.x < 0 || r.y < 0 || static_cast<long long>(r.x) + r.width > design.width ||
                 static_cast<long long>(r.y) + r.height > design.height)
            problems.push_back({prefix, "outside the kap (" + RectText(r) + " in " + std::to_string(design.width) +
                                            " x " + std::to_string(design.height) + ")"});
    }
    return problems;
}

} // namespace vimo
