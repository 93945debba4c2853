#pragma once
// Snapshots of a directory tree and the first difference between two of them, free of the platform:
// the directory change watcher takes one before and one after each change the system signals.
#include <cstdint>
#include <string>
#include <vector>

namespace vimo {

// Attribute bits of the platform's directory records that decide what a snapshot holds.
constexpr std::uint32_t kAttributeHidden = 0x2, kAttributeSystem = 0x4, kAttributeDirectory = 0x10,
                        kAttributeTemporary = 0x100;

struct SnapshotEntry {
    std::string directory; // where it was found
    std::string name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0; // the platform's file time
};

enum class DirectoryChange { None = 0, Deleted = 1, Created = 2, Changed = 3 };

// A directory is always kept; of the rest only ordinary files: not hidden, not system, not
// temporary (the temporary attribute, or a lower-cased name beginning with "~" or holding ".tmp" or
// ".bak").
bool KeptInSnapshot(const std::string& name, std::uint32_t attributes);

// Same name ignoring letter case, same size, last-write time and attributes.
bool SameEntry(const SnapshotEntry& a, const SnapshotEntry& b);

// The first difference from before to after: with more entries after, the first new one (created);
// with fewer, the first one gone (deleted); with as many, the entry after at the first position
// that differs (changed). None when nothing differs.
DirectoryChange CompareSnapshots(const std::vector<SnapshotEntry>& before, const std::vector<SnapshotEntry>& after,
                                 SnapshotEntry& entry);

} // namespace vimo
