#include "layer/skin/skin_record.h"

#include "base/problem_log.h"
#include "base/text_util.h"
#include "layer/layer_geometry.h"

namespace vimo {

SkinRecord::SkinRecord(std::shared_ptr<const SkinFileSchema> schema, std::string filePath, std::string folder,
                       std::vector<Value> values)
    : schema_(std::move(schema)), filePath_(std::move(filePath)), folder_(std::move(folder)),
      values_(std::move(values)) {}

SkinRecord SkinRecord::Load(std::shared_ptr<const SkinFileSchema> schema, const ProfileStore& store,
                            const std::string& skinDir) {
    const std::string folder = skinDir + "\\" + SkinTypeWord(schema->Type()) + "\\";
    const std::string path = folder + schema->FileName();
    const std::string section = schema->Section();
    const std::vector<SkinKey>& keys = schema->Keys();
    // A skin without this file takes every default: the store is not asked for each key of a file
    // that is not there (on the platform each ask would look for the file again).
    const bool present = store.FileExists(path);

    std::vector<Value> values(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SkinKey& key = keys[i];
        Value& value = values[i];
        if (key.kind == SkinKeyKind::Integer) {
            // A default given as an earlier key plus a number stops at the ends of int for an absurd earlier value.
            const int def = key.baseIndex >= 0
                                ? SaturatedSum(values[static_cast<std::size_t>(key.baseIndex)].number, key.number)
                                : key.number;
            value.number = present ? store.ReadInt(path, section, key.name, def) : def;
            continue;
        }
        // Skin strings are compared without regard to case and kept upper-cased; the web addresses of
        // the data files are kept as written, since the paths and queries of a server may depend on it.
        std::string text =
            present ? store.ReadString(path, section, key.name, key.text, kProfileStringBuffer) : key.text;
        if (schema->Role() != SkinFileRole::Data) text = ToUpperAscii(std::move(text));
        if (IsNullWord(text)) text.clear();
        if (key.kind == SkinKeyKind::FileName && !text.empty()) text = folder + text;
        value.text = std::move(text);
    }
    return SkinRecord(std::move(schema), path, folder, std::move(values));
}

const SkinRecord::Value* SkinRecord::Find(const std::string& key, bool wantNumber) const {
    const int index = schema_->Find(key);
    if (index < 0) {
        LogProblem(schema_->Section() + " has no key " + key);
        return nullptr;
    }
    const bool isNumber = schema_->Keys()[static_cast<std::size_t>(index)].kind == SkinKeyKind::Integer;
    if (isNumber != wantNumber) {
        LogProblem(schema_->Section() + " key " + key + (isNumber ? " is a number" : " is a string"));
        return nullptr;
    }
    return &values_[static_cast<std::size_t>(index)];
}

int SkinRecord::Int(const std::string& key) const {
    const Value* value = Find(key, true);
    return value ? value->number : 0;
}

const std::string& SkinRecord::Str(const std::string& key) const {
    static const std::string kEmpty;
    const Value* value = Find(key, false);
    return value ? value->text : kEmpty;
}

std::string SkinRecord::ImagePath(const std::string& key) const {
    const std::string& value = Str(key);
    if (value.empty()) return value;
    const bool stored = schema_->Keys()[static_cast<std::size_t>(schema_->Find(key))].kind == SkinKeyKind::FileName;
    return stored ? value : folder_ + value;
}

LayerColour SkinRecord::Colour(const std::string& prefix) const {
    return LayerColour::Clamped(Int(prefix + "Alpha"), Int(prefix + "Red"), Int(prefix + "Green"),
                                Int(prefix + "Blue"));
}

LayerTextStyle SkinRecord::TextStyle(const std::string& prefix) const {
    LayerTextStyle style;
    style.font = Str(prefix + "Font");
    style.size = Int(prefix + "Size");
    if (Has(prefix + "Type")) style.type = Int(prefix + "Type");
    style.colour = Colour(prefix);
    if (Has(prefix + "Shadowed")) style.shadowed = Int(prefix + "Shadowed") != 0;
    if (Has(prefix + "DoubledAlpha")) style.doubled = Colour(prefix + "Doubled");
    return style;
}

} // namespace vimo
