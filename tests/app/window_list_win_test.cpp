// The top-level window list against real windows of other Wine programs.
#include <gtest/gtest.h>

#include "base/window_list_win.h"
#include "e2e/driver/vimo_driver.h"

namespace vimo {
namespace {

using e2e::OtherProgram;

class WindowListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        notepad_ = new OtherProgram("notepad.exe");
        notepadWindow_ = notepad_->WaitWindow();
    }
    static void TearDownTestSuite() {
        delete notepad_;
        notepad_ = nullptr;
    }
    static const TopLevelWindowList::Entry* Find(const TopLevelWindowList& list, HWND window) {
        for (std::size_t i = 0; i < list.Count(); ++i)
            if (list.At(i).window == window) return &list.At(i);
        return nullptr;
    }
    static OtherProgram* notepad_;
    static HWND notepadWindow_;
};
OtherProgram* WindowListTest::notepad_ = nullptr;
HWND WindowListTest::notepadWindow_ = nullptr;

TEST_F(WindowListTest, VisibleUnownedListHasOtherProgramsWithTheirExecutables) {
    ASSERT_NE(notepadWindow_, nullptr);
    TopLevelWindowList list;
    list.Build(21);
    EXPECT_EQ(list.Options(), 21u);
    const auto* entry = Find(list, notepadWindow_);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->className, "Notepad");
    EXPECT_NE(entry->executablePath.find("notepad.exe"), std::string::npos) << entry->executablePath;
    DWORD pid = 0;
    GetWindowThreadProcessId(notepadWindow_, &pid);
    EXPECT_EQ(entry->processId, pid);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        EXPECT_TRUE(IsWindowVisible(list.At(i).window)) << list.ClassName(i);
        EXPECT_EQ(GetParent(list.At(i).window), nullptr) << list.ClassName(i);
    }
    std::size_t index = 0;
    while (list.At(index).window != notepadWindow_) ++index;
    EXPECT_NE(list.Title(index).find("Notepad"), std::string::npos) << list.Title(index);
}

TEST_F(WindowListTest, OptionTwentyKeepsInvisibleWindowsButNoOwnedOnes) {
    TopLevelWindowList list;
    list.Build(20);
    bool sawInvisible = false;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(GetParent(list.At(i).window), nullptr);
        if (!IsWindowVisible(list.At(i).window)) sawInvisible = true;
    }
    EXPECT_TRUE(sawInvisible);
    EXPECT_NE(Find(list, notepadWindow_), nullptr);
}

TEST_F(WindowListTest, InvisibleAndOwnedFiltersSelectTheComplement) {
    TopLevelWindowList invisible;
    invisible.Build(2);
    for (std::size_t i = 0; i < invisible.Count(); ++i) EXPECT_FALSE(IsWindowVisible(invisible.At(i).window));
    EXPECT_EQ(Find(invisible, notepadWindow_), nullptr);

    // An owned window of this process shows up only with option 8.
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND owned = CreateWindowExA(0, "STATIC", "owned", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    TopLevelWindowList withParent;
    withParent.Build(8);
    EXPECT_NE(Find(withParent, owned), nullptr);
    EXPECT_EQ(Find(withParent, owner), nullptr);
    TopLevelWindowList both;
    both.Build(4 | 8); // 8 is ignored with 4
    EXPECT_EQ(Find(both, owned), nullptr);
    EXPECT_NE(Find(both, owner), nullptr);
    DestroyWindow(owned);
    DestroyWindow(owner);
}

TEST_F(WindowListTest, ExcludedClassesAreSkippedOnlyWithOptionSixteen) {
    TopLevelWindowList list;
    list.excludedClasses = {"Notepad"};
    list.Build(21);
    for (std::size_t i = 0; i < list.Count(); ++i) EXPECT_NE(list.ClassName(i), "Notepad");
    list.Build(5);
    EXPECT_NE(Find(list, notepadWindow_), nullptr);
    list.excludedClasses = {"notepad"}; // the comparison is exact
    list.Build(21);
    EXPECT_NE(Find(list, notepadWindow_), nullptr);
}

TEST(ProcessPath, OwnProcessPathIsThisExecutable) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_STRCASEEQ(ProcessExecutablePath(GetCurrentProcessId()).c_str(), self);
    EXPECT_EQ(ProcessExecutablePath(0xFFFFFFF0u), "");
}

} // namespace
} // namespace vimo
