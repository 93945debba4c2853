#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "layer/skin/file_case.h"

namespace vimo {
namespace {

namespace fs = std::filesystem;

// The platform ignores letter case already; the lookup must still hand back a path that opens.
class WinFileCaseTest : public ::testing::Test {
protected:
    WinFileCaseTest() {
        root = fs::temp_directory_path() /
               ("vimo-case-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()));
        file = root / "Skin" / "Default" / "VimoClock" / "Lock.png";
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    ~WinFileCaseTest() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    fs::path root, file;
};

TEST_F(WinFileCaseTest, UpperCasedDrivePathResolvesToTheFile) {
    const std::string asked = root.string() + "\\SKIN\\DEFAULT\\VIMOCLOCK\\LOCK.PNG";
    ASSERT_EQ(asked.substr(1, 2), ":\\"); // a drive-letter path
    const std::string found = ResolveFileCase(asked);
    EXPECT_TRUE(fs::equivalent(fs::path(found), file)) << found;
}

TEST_F(WinFileCaseTest, ForwardSlashesResolve) {
    std::string asked = root.string() + "/skin/default\\vimoclock/lock.png";
    const std::string found = ResolveFileCase(asked);
    EXPECT_TRUE(fs::equivalent(fs::path(found), file)) << found;
}

TEST_F(WinFileCaseTest, MissingFileReturnsInputUnchanged) {
    const std::string asked = root.string() + "\\SKIN\\DEFAULT\\VIMOCLOCK\\ALARM.PNG";
    EXPECT_EQ(ResolveFileCase(asked), asked);
}

} // namespace
} // namespace vimo
