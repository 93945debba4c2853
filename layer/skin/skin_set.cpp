#include "layer/skin/skin_set.h"

#include "layer/skin/skin_tables.h"

namespace vimo {

SkinSet::SkinSet() : schemas_(BuildSkinSchemas()) {}

void SkinSet::Load(const ProfileStore& store, const std::string& skinDir) {
    std::vector<SkinRecord> records;
    records.reserve(schemas_.size());
    for (const auto& schema : schemas_) records.push_back(SkinRecord::Load(schema, store, skinDir));
    records_ = std::move(records);
}

const SkinRecord& SkinSet::Find(SkinType type, SkinFileRole role) const {
    if (records_.empty()) throw SkinKeyError("skin records read before the skins were loaded");
    for (const SkinRecord& record : records_)
        if (record.Type() == type && record.Schema().Role() == role) return record;
    throw SkinKeyError(std::string(SkinTypeWord(type)) + " has no data file");
}

const SkinRecord& SkinSet::Skin(SkinType type) const { return Find(type, SkinFileRole::Skin); }

const SkinRecord& SkinSet::Skin(const std::string& typeWord) const {
    SkinType type;
    if (!SkinTypeFromWord(typeWord, type)) throw SkinKeyError("no skin type " + typeWord);
    return Skin(type);
}

const SkinRecord& SkinSet::Data(SkinType type) const { return Find(type, SkinFileRole::Data); }

} // namespace vimo
