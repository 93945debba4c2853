// The download package as a user meets it: unpacked into an empty folder (by the package step), it
// holds both builds, the skins and the read-me; its program of the test's own width starts there, makes
// a note and exits, and carries the version of the source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/resource.h"
#include "base/version.h"
#include "e2e/driver/vimo_driver.h"

namespace vimo::e2e {
namespace {

std::string FileVersion(const std::string& exe) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &handle);
    std::vector<char> data(size);
    char* text = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(exe.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\FileVersion", reinterpret_cast<void**>(&text),
                        &length))
        return {};
    return std::string(text);
}

TEST(Package, UnpackedIntoAnEmptyFolderItHoldsBothBuildsAndItsProgramStartsThere) {
    const std::string root =
        WindowsPath(VIMO_PROGRAM_DIR) + "\\..\\package-unpacked\\VimoKap-" + std::string(VIMO_VERSION_TEXT);
    for (const char* file :
         {"\\VimoKap.exe", "\\VimoDetect.dll", "\\README.txt", "\\Skin\\Default\\VimoNote\\Skin.VimoNote",
          "\\Skin\\Dark\\VimoNote\\Skin.VimoNote", "\\x64\\VimoKap.exe", "\\x64\\VimoDetect.dll",
          "\\x64\\Skin\\Default\\VimoNote\\Skin.VimoNote"})
        EXPECT_NE(GetFileAttributesA((root + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
    EXPECT_EQ(FileVersion(root + "\\x64\\VimoKap.exe"), VIMO_VERSION_TEXT);
    EXPECT_EQ(FileVersion(root + "\\VimoKap.exe"), VIMO_VERSION_TEXT);

    // The program of this test's own width: a 32-bit Wine runs no 64-bit program.
#ifdef _WIN64
    const std::string folder = root + "\\x64";
#else
    const std::string folder = root;
#endif
    VimoProcess app;
    ASSERT_TRUE(app.Start(folder + "\\VimoKap.exe", folder));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
    EXPECT_NE(app.WaitNewKap(), nullptr);
    EXPECT_TRUE(app.Exit());
    EXPECT_NE(GetFileAttributesA((folder + "\\VimoKap.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the settings are kept in the folder it was started from";
}

} // namespace
} // namespace vimo::e2e
