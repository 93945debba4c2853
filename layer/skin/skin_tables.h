#pragma once
// The key tables of every skin file and data file, as text rows (format in skin_schema.h).
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "layer/skin/skin_schema.h"

namespace vimo {

struct SkinTableText {
    SkinType type;
    SkinFileRole role;
    const char* rows;
};

constexpr std::size_t kSkinFileCount = kSkinTypeCount + 2; // plus the weather and web search data files

// Every table in load order: the types in their order, a type's data file before its skin file.
const std::array<SkinTableText, kSkinFileCount>& SkinTables();

// Every table parsed, in the same order.
std::vector<std::shared_ptr<const SkinFileSchema>> BuildSkinSchemas();

} // namespace vimo
