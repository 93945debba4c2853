#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "layer/skin/file_case.h"

namespace vimo {
namespace {

namespace fs = std::filesystem;

class FileCaseTest : public ::testing::Test {
protected:
    FileCaseTest() {
        std::string pattern = (fs::temp_directory_path() / "vimo-case-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root = pattern;
        Touch(root / "Skin" / "Default" / "VimoClock" / "Lock.png");
        Touch(root / "Skin" / "Default" / "VimoClock" / "Digits" / "zero.PNG");
    }
    ~FileCaseTest() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    static void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }

    fs::path root;
};

TEST_F(FileCaseTest, FindsUpperCasedPathWithBackslashes) {
    const std::string asked = root.string() + "\\SKIN\\DEFAULT\\VIMOCLOCK\\LOCK.PNG";
    EXPECT_EQ(ResolveFileCase(asked), (root / "Skin" / "Default" / "VimoClock" / "Lock.png").string());
}

TEST_F(FileCaseTest, AcceptsMixedAndRepeatedSeparators) {
    const std::string asked = root.string() + "/skin\\\\default//VimoClock\\digits/ZERO.png";
    EXPECT_EQ(ResolveFileCase(asked), (root / "Skin" / "Default" / "VimoClock" / "Digits" / "zero.PNG").string());
}

TEST_F(FileCaseTest, ExactPathIsKept) {
    const fs::path exact = root / "Skin" / "Default" / "VimoClock" / "Lock.png";
    EXPECT_EQ(ResolveFileCase(exact.string()), exact.string());
}

TEST_F(FileCaseTest, FindsFolders) {
    EXPECT_EQ(ResolveFileCase(root.string() + "\\SKIN\\default"), (root / "Skin" / "Default").string());
}

TEST_F(FileCaseTest, MissingComponentReturnsInputUnchanged) {
    const std::string missingFile = root.string() + "\\SKIN\\DEFAULT\\VIMOCLOCK\\ALARM.PNG";
    EXPECT_EQ(ResolveFileCase(missingFile), missingFile);
    const std::string missingFolder = root.string() + "\\SKIN\\BLUE\\VIMOCLOCK\\LOCK.PNG";
    EXPECT_EQ(ResolveFileCase(missingFolder), missingFolder);
    // A file cannot stand for a folder.
    const std::string throughFile = root.string() + "\\SKIN\\DEFAULT\\VIMOCLOCK\\LOCK.PNG\\X";
    EXPECT_EQ(ResolveFileCase(throughFile), throughFile);
    EXPECT_EQ(ResolveFileCase(""), "");
}

TEST_F(FileCaseTest, NamesDifferingOnlyInCaseResolveInByteOrder) {
    const fs::path folder = root / "Skin" / "Default" / "VimoClock";
    Touch(folder / "lock.png");
    EXPECT_EQ(ResolveFileCase(folder.string() + "\\LOCK.PNG"), (folder / "Lock.png").string());
    EXPECT_EQ(ResolveFileCase(folder.string() + "\\lock.png"), (folder / "lock.png").string());
}

} // namespace
} // namespace vimo
