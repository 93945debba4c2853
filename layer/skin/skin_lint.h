#pragma once
// What a skin author gets wrong that can be seen without drawing: a skin file that is not there, a
// number key whose text is no whole number, a colour part outside 0 ... 255, a negative size, an
// element that leaves the kap. Pictures are checked where they can be decoded (the skin checker).
#include <string>
#include <vector>

#include "base/profile_store.h"
#include "layer/skin/skin_record.h"

namespace vimo {

struct SkinProblem {
    std::string where; // a key or an element prefix; empty for the file itself
    std::string message;
};

std::vector<SkinProblem> LintSkinRecord(const SkinRecord& record, const ProfileStore& store);

// The element prefixes of a record: those with a width, a height and a position (PosX/PosY or
// XPos/YPos), in key order.
std::vector<std::string> ElementPrefixes(const SkinFileSchema& schema);
// The prefixes of nine-slice pictures: those with a FileName and the four Cut keys.
std::vector<std::string> NineSlicePrefixes(const SkinFileSchema& schema);

} // namespace vimo
