// The skin checker as a skin author runs it: a shipped skin is clean, a broken one has every
// problem told as "<file> <key or element>: <message>" and a non-zero exit, and no crash.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver/vimo_driver.h"

namespace vimo::e2e {
namespace {

struct CheckRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

// Runs "VimoKap.exe /checkskin <name>" in the program directory and collects what it prints.
CheckRun CheckSkin(const ProgramDir& dir, const std::string& name) {
    CheckRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + dir.Exe() + "\" /checkskin " + name;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.Path().c_str(), &startup,
                       &process)) {
        CloseHandle(writeEnd);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) run.output.append(buffer, read);
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        CloseHandle(writeEnd);
    }
    CloseHandle(readEnd);
    return run;
}

TEST(SkinCheck, AShippedSkinIsCleanAndABrokenOneHasEveryProblemTold) {
    ProgramDir dir("skin-check");
    for (const char* shipped : {"Default", "Dark"}) {
        const CheckRun clean = CheckSkin(dir, shipped);
        EXPECT_EQ(clean.exitCode, 0u) << shipped << "\n" << clean.output;
    }

    const std::string broken = dir.File("Skin\\Broken");
    CopyTree(dir.File("Skin\\Default"), broken);
    auto set = [&](const char* type, const char* key, const char* value) {
        const std::string file = broken + "\\" + type + "\\Skin." + type;
        WritePrivateProfileStringA((std::string(type) + "Skin").c_str(), key, value, file.c_str());
    };
    set("VimoNote", "LockFileName", "GONE.PNG");
    set("VimoCalc", "BackgroundCutLeft", "5000");
    set("VimoClock", "LockPosX", "ten");
    set("VimoAccount", "MonthRed", "300");
    set("VimoCalendar", "LockPosX", "9999");
    dir.Write("Skin\\Broken\\VimoLink\\BACKGROUND.PNG", "not a picture");
    DeleteFileA((broken + "\\VimoTrash\\Skin.VimoTrash").c_str());

    const CheckRun run = CheckSkin(dir, "Broken");
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    for (const char* expected :
         {"Skin.VimoNote LockFileName: ImageFileName : Bad Value",
          "Skin.VimoCalc Background: BackgroundImageCut : Bad parameter",
          "Skin.VimoClock LockPosX: \"ten\" is not a whole number",
          "Skin.VimoAccount MonthRed: 300 is outside 0 ... 255", "Skin.VimoCalendar Lock: outside the kap (9999, ",
          "Skin.VimoLink BackgroundFileName: ImageDimension : Bad parameter", "Skin.VimoTrash: the file "})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(CheckSkin(dir, "Nothing").exitCode, 2u);
}

} // namespace
} // namespace vimo::e2e
