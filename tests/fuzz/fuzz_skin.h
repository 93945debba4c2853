#pragma once
// What the skin fuzz targets share: the skin file the first byte of an input picks, and its record
// when the file holds a given text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layer/skin/skin_record.h"
#include "layer/skin/skin_tables.h"
#include "support/ini_profile_store.h"

namespace vimo::fuzz {

const std::string kSkinDir = "C:\\VimoKap\\Skin\\Fuzz";

inline const std::shared_ptr<const SkinFileSchema>& PickedSkinSchema(std::uint8_t pick) {
    static const std::vector<std::shared_ptr<const SkinFileSchema>> schemas = BuildSkinSchemas();
    return schemas[pick % schemas.size()];
}

// The record read from the store once the schema's file in the fuzz skin folder holds the text.
inline SkinRecord LoadSkinText(const std::shared_ptr<const SkinFileSchema>& schema, MemoryProfileStore& store,
                               std::string text) {
    store.SetFile(SkinRecord::Load(schema, store, kSkinDir).FilePath(), std::move(text));
    return SkinRecord::Load(schema, store, kSkinDir);
}

} // namespace vimo::fuzz
