#include "kaps/desk/trash/dir_snapshot.h"

#include <algorithm>

#include "base/text_util.h"

namespace vimo {

namespace {

// The first entry of `of` that equals no entry of `in`, or null.
const SnapshotEntry* FirstMissing(const std::vector<SnapshotEntry>& of, const std::vector<SnapshotEntry>& in) {
    for (const SnapshotEntry& e : of)
        if (std::none_of(in.begin(), in.end(), [&](const SnapshotEntry& other) { return SameEntry(e, other); }))
            return &e;
    return nullptr;
}

} // namespace

bool KeptInSnapshot(const std::string& name, std::uint32_t attributes) {
    if (attributes & kAttributeDirectory) return true;
    if (attributes & (kAttributeHidden | kAttributeSystem | kAttributeTemporary)) return false;
    const std::string upper = ToUpperAscii(name);
    return upper.rfind('~', 0) != 0 && upper.find(".TMP") == std::string::npos &&
           upper.find(".BAK") == std::string::npos;
}

bool SameEntry(const SnapshotEntry& a, const SnapshotEntry& b) {
    return a.size == b.size && a.lastWrite == b.lastWrite && a.attributes == b.attributes &&
           ToUpperAscii(a.name) == ToUpperAscii(b.name);
}

DirectoryChange CompareSnapshots(const std::vector<SnapshotEntry>& before, const std::vector<SnapshotEntry>& after,
                                 SnapshotEntry& entry) {
    if (after.size() > before.size()) {
        const SnapshotEntry* created = FirstMissing(after, before);
        if (!created) return DirectoryChange::None;
        entry = *created;
        return DirectoryChange::Created;
    }
    if (after.size() < before.size()) {
        const SnapshotEntry* deleted = FirstMissing(before, after);
        if (!deleted) return DirectoryChange::None;
        entry = *deleted;
        return DirectoryChange::Deleted;
    }
    for (std::size_t i = 0; i < after.size(); ++i)
        if (!SameEntry(before[i], after[i])) {
            entry = after[i];
            return DirectoryChange::Changed;
        }
    return DirectoryChange::None;
}

} // namespace vimo
