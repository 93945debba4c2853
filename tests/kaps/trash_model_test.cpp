// The deleted store's snapshots and their first difference, and the trash's item labels.
#include <gtest/gtest.h>

#include "kaps/desk/trash/dir_snapshot.h"
#include "kaps/desk/trash/trash_entry.h"

namespace vimo {
namespace {

SnapshotEntry File(const std::string& name, std::uint64_t size = 10, std::uint64_t written = 1) {
    return SnapshotEntry{"C:\\Deleted", name, 0x20, size, written};
}

TEST(DirSnapshot, OnlyOrdinaryFilesAndDirectoriesAreKept) {
    EXPECT_TRUE(KeptInSnapshot("20261209120000.VIMONOTE", 0x20));
    EXPECT_TRUE(KeptInSnapshot("~sub.tmp", kAttributeDirectory)) << "a directory always";
    for (const char* name : {"~lock.VIMONOTE", "note.TMP", "a.tmp.x", "old.Bak"})
        EXPECT_FALSE(KeptInSnapshot(name, 0x20)) << name;
    EXPECT_FALSE(KeptInSnapshot("a.VIMONOTE", kAttributeHidden));
    EXPECT_FALSE(KeptInSnapshot("a.VIMONOTE", kAttributeSystem));
    EXPECT_FALSE(KeptInSnapshot("a.VIMONOTE", kAttributeTemporary));
}

TEST(DirSnapshot, TheFirstDifferenceIsACreationADeletionOrAChange) {
    const std::vector<SnapshotEntry> two = {File("a"), File("b")};
    SnapshotEntry entry;
    EXPECT_EQ(CompareSnapshots(two, {File("A"), File("b")}, entry), DirectoryChange::None) << "letter case ignored";
    EXPECT_EQ(CompareSnapshots(two, {File("a"), File("c"), File("b"), File("d")}, entry), DirectoryChange::Created);
    EXPECT_EQ(entry.name, "c") << "the first new one";
    EXPECT_EQ(CompareSnapshots(two, {File("b")}, entry), DirectoryChange::Deleted);
    EXPECT_EQ(entry.name, "a");
    EXPECT_EQ(CompareSnapshots(two, {File("a"), File("b", 11)}, entry), DirectoryChange::Changed);
    EXPECT_EQ(entry.size, 11u) << "the entry after the change";
    EXPECT_EQ(CompareSnapshots(two, {File("a"), File("c")}, entry), DirectoryChange::Changed) << "a rename";
    EXPECT_EQ(CompareSnapshots(two, {File("a"), File("b", 10, 2)}, entry), DirectoryChange::Changed);
    EXPECT_EQ(CompareSnapshots(two, {File("b"), File("a"), File("a")}, entry), DirectoryChange::None)
        << "more entries, each equal to one before";
}

TEST(TrashEntry, LabelsComeFromTheKapNameAndTheTypeWord) {
    TrashEntry entry;
    ASSERT_TRUE(TrashEntryOf("20261209143005.VimoNote", entry));
    EXPECT_EQ(entry.typeWord, "NOTE");
    EXPECT_EQ(entry.label, "09/12/2026 14:30:05 - NOTE");
    ASSERT_TRUE(TrashEntryOf("odd.VIMOLINK", entry));
    EXPECT_EQ(entry.label, "odd - LINK");
    EXPECT_FALSE(TrashEntryOf("20261209143005.txt", entry));
    EXPECT_FALSE(TrashEntryOf("README", entry));
}

} // namespace
} // namespace vimo
