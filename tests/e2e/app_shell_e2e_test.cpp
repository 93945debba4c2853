// Start-up, single instance, settings file, tray and exit of the running program.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/expected_save_order.h"
#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"

namespace vimo::e2e {
namespace {

using testdata::kSaveOrder;

// Exits through the tray menu command and returns how long the process took to end.
ULONGLONG ExitAndMeasure(VimoProcess& app) {
    const ULONGLONG start = GetTickCount64();
    app.Command(ID_APP_EXIT);
    EXPECT_TRUE(app.WaitExit(15000));
    return GetTickCount64() - start;
}

TEST(AppShell, FreshDirectoryWritesNothingUntilExitThenEveryKeyInOrder) {
    ProgramDir dir("fresh");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    EXPECT_FALSE(dir.Exists("VimoKap.ini"));
    EXPECT_FALSE(dir.Exists("Notes"));
    Screenshot("app-started");

    const ULONGLONG took = ExitAndMeasure(app);
    EXPECT_GE(took, 900u) << "the process pauses about a second after the controller closes";
    EXPECT_EQ(IniKeys(dir.Read("VimoKap.ini")), kSaveOrder);
    const std::string ini = dir.Read("VimoKap.ini");
    EXPECT_NE(ini.find("SkinName=Default"), std::string::npos);
    EXPECT_NE(ini.find("CreatePosX=30"), std::string::npos);
    EXPECT_NE(ini.find("LoadRemoteKAP=1"), std::string::npos);
}

TEST(AppShell, SecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
    ProgramDir dir("single");
    VimoProcess first;
    ASSERT_TRUE(first.Start(dir));
    HWND controller = first.WaitController();
    ASSERT_NE(controller, nullptr);

    VimoProcess second;
    ASSERT_TRUE(second.Start(dir));
    bool secondHadWindow = false;
    const bool ended = WaitFor(
        [&] {
            if (!second.Windows().empty()) secondHadWindow = true;
            return !second.Running();
        },
        15000, 5);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(secondHadWindow);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(controller));
    EXPECT_FALSE(dir.Exists("VimoKap.ini")) << "the second copy must not save anything";
    ExitAndMeasure(first);
}

TEST(AppShell, CopyUnderAnotherExecutableNameIsNotDetected) {
    ProgramDir dir("renamed");
    ASSERT_TRUE(CopyFileA(dir.Exe().c_str(), dir.File("Other.exe").c_str(), FALSE));
    VimoProcess first;
    ASSERT_TRUE(first.Start(dir.File("Other.exe"), dir.Path()));
    ASSERT_NE(first.WaitController(), nullptr);
    VimoProcess second;
    ASSERT_TRUE(second.Start(dir));
    EXPECT_NE(second.WaitController(), nullptr) << "a copy named otherwise is not recognised";
    ExitAndMeasure(second);
    ExitAndMeasure(first);
}

TEST(AppShell, HiddenTaskbarAtStartupIsShownAgainAtExit) {
    ProgramDir dir("taskbar");
    dir.Write("VimoKap.ini", "[VimoKap]\r\nHideTaskbarOnStartup=1\r\n");
    ASSERT_TRUE(WaitTaskbarShown());
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    EXPECT_TRUE(WaitFor([] { return !IsWindowVisible(TaskbarWindow()); }, 5000));
    ExitAndMeasure(app);
    EXPECT_TRUE(IsWindowVisible(TaskbarWindow()));
}

TEST(AppShell, TaskbarCommandTogglesTheTaskbar) {
    ProgramDir dir("taskbar-toggle");
    ASSERT_TRUE(WaitTaskbarShown());
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_TOGGLE_TASKBAR);
    EXPECT_TRUE(WaitFor([] { return !IsWindowVisible(TaskbarWindow()); }, 5000));
    app.Command(ID_TOGGLE_TASKBAR);
    EXPECT_TRUE(WaitTaskbarShown(5000));
    ExitAndMeasure(app);
}

TEST(AppShell, SettingsComeFromTheCurrentDirectory) {
    ProgramDir program("cwd-program");
    ProgramDir data("cwd-data", /*withProgram=*/false);
    data.Write("VimoKap.ini", "[VimoKap]\r\nCreatePosX=123\r\n");
    VimoProcess app;
    ASSERT_TRUE(app.Start(program.Exe(), data.Path()));
    ASSERT_NE(app.WaitController(), nullptr);
    ExitAndMeasure(app);
    EXPECT_FALSE(program.Exists("VimoKap.ini"));
    const std::string ini = data.Read("VimoKap.ini");
    EXPECT_NE(ini.find("CreatePosX=123"), std::string::npos);
    EXPECT_NE(ini.find("DefaultIcon=" + data.Path() + "\\Skin\\Default\\DefaultIcon.png"), std::string::npos);
}

TEST(AppShell, DamagedSettingsFileGivesDefaultsAndIsRewrittenWhole) {
    ProgramDir dir("damaged");
    dir.Write("VimoKap.ini", "garbage line\r\n[VimoKap]\r\nCreatePosX=abc\r\nCreatePosY=77zz\r\nSkinName=null\r\n"
                             "RemoteKAPTrigger=" +
                                 std::string(400, 'x') + "\r\n=\r\n[[[\r\n");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    ExitAndMeasure(app);
    const std::string ini = dir.Read("VimoKap.ini");
    for (const std::string& key : kSaveOrder) EXPECT_NE(ini.find(key + "="), std::string::npos) << key;
    EXPECT_NE(ini.find("CreatePosX=0"), std::string::npos);
    EXPECT_NE(ini.find("CreatePosY=77"), std::string::npos);
    EXPECT_NE(ini.find("RemoteKAPTrigger=" + std::string(97, 'x') + "\r\n"), std::string::npos);
}

TEST(AppShell, TraySingleClickTogglesTheDesktopAndDoubleClickDoesNot) {
    ProgramDir dir("tray");
    OtherProgram notepad("notepad.exe");
    HWND other = notepad.WaitWindow();
    ASSERT_NE(other, nullptr);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);

    // A double click as the shell reports it: down, up, double click, up.
    app.Tray(WM_LBUTTONDOWN);
    app.Tray(WM_LBUTTONUP);
    app.Tray(WM_LBUTTONDBLCLK);
    app.Tray(WM_LBUTTONUP);
    EXPECT_FALSE(WaitFor([&] { return IsIconic(other) != FALSE; }, 1500));

    app.Tray(WM_LBUTTONDOWN);
    app.Tray(WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(other) != FALSE; }, 5000)) << "single click shows the desktop";
    app.Tray(WM_LBUTTONDOWN);
    app.Tray(WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(other); }, 5000)) << "second click shows the windows again";
    ExitAndMeasure(app);
}

TEST(AppShell, CloseRequestDoesNotEndTheProgram) {
    ProgramDir dir("close");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    HWND controller = app.WaitController();
    ASSERT_NE(controller, nullptr);
    SendMessageTimeoutA(controller, WM_CLOSE, 0, 0, SMTO_BLOCK, 5000, nullptr);
    SendMessageTimeoutA(controller, WM_COMMAND, IDCANCEL, 0, SMTO_BLOCK, 5000, nullptr);
    EXPECT_TRUE(IsWindow(controller));
    EXPECT_TRUE(app.Running());
    ExitAndMeasure(app);
}

// The program's hidden top-level window that hears the system's broadcasts.
HWND ShellWatchWindow(const VimoProcess& app) {
    for (HWND window : app.Windows()) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof(name));
        if (std::string(name) == "VimoKapShellWatch") return window;
    }
    return nullptr;
}

// Whether the shell holds the program's tray icon (only an icon it knows can be changed).
bool TrayIconShown(HWND controller) {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = controller;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "VimoKap");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

TEST(AppShell, EndOfSessionSavesTheSettingsAndEveryKap) {
    ProgramDir dir("end-of-session");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
    const std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    SetWindowPos(kaps[0], nullptr, 333, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND watch = ShellWatchWindow(app);
    ASSERT_NE(watch, nullptr);
    EXPECT_EQ(GetAncestor(watch, GA_PARENT), GetDesktopWindow()) << "only top-level windows are told";

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(watch, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "the session may end";
    ASSERT_TRUE(SendMessageTimeoutA(watch, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &answer));
    // Everything is on disk before the system may end the process.
    EXPECT_EQ(IniKeys(dir.Read("VimoKap.ini")), kSaveOrder);
    EXPECT_TRUE(dir.Exists("Notes\\MAIN0000000000.VIMOREMOTEKAP")) << "the dock is saved too";
    const std::string note = ReadOnlyDocument(dir, "Notes\\*.VIMONOTE");
    EXPECT_NE(note.find("\n333\n222\n"), std::string::npos) << note;
    app.Exit();
}

TEST(AppShell, TrayIconComesBackWhenTheShellMakesItsTaskbarAgain) {
    ProgramDir dir("tray-again");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    HWND controller = app.WaitController();
    ASSERT_NE(controller, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TrayIconShown(controller); }, 10000));
    // A shell that starts again knows no icons.
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = controller;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(TrayIconShown(controller));
    // It tells every top-level window that its task bar is there again.
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(controller); }, 10000));
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
