// Process start and shutdown of VimoKap.
#include <windows.h>
#include <winsock.h>
#include <gdiplus.h>
#include <ole2.h>
#include <commctrl.h>

#include <clocale>
#include <string>

#include "app/activex_hosting_win.h"
#include "app/controller_win.h"
#include "app/skin_check_win.h"
#include "base/problem_log_win.h"
#include "base/profile_store_win.h"
#include "kapframe/settings.h"
#include "base/window_list_win.h"

namespace {

const char kAppTitle[] = "VimoKap";

std::string CurrentDirectory() {
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    return directory;
}

// The skin checker (/checkskin <name>) runs beside a running copy and shows no window.
int CheckSkinAndExit(const char* commandLine, bool& ran) {
    int exitCode = 0;
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    ran = vimo::RunSkinCheckCommand(commandLine ? commandLine : "", CurrentDirectory(), exitCode);
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return exitCode;
}

int Run(const char* commandLine) {
    bool checked = false;
    if (commandLine && std::string(commandLine).find("/checkskin") != std::string::npos) {
        const int exitCode = CheckSkinAndExit(commandLine, checked);
        if (checked) return exitCode;
    }
    // A copy already running keeps the desktop: this one ends without a word.
    if (vimo::AnotherCopyIsRunning()) return 0;

    // What the program notes and carries on from goes to the debugger's output.
    vimo::LogProblemsToDebugger();

    // Times, dates and month names in the user's own language and format.
    std::setlocale(LC_ALL, "");

    CoInitialize(nullptr);
    WSADATA wsa = {};
    if (WSAStartup(MAKEWORD(1, 1), &wsa) != 0) {
        MessageBoxA(nullptr, "Socket Initialization Failed", kAppTitle, MB_OK | MB_ICONINFORMATION);
        CoUninitialize();
        return 1;
    }
    const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
    if (!oleReady) MessageBoxA(nullptr, "Ole Initialization Failed", kAppTitle, MB_OK | MB_ICONINFORMATION);

    // The program serves no COM classes of its own, so no class objects are registered.
    vimo::ActiveXHosting activeX;

    Gdiplus::GdiplusStartupInput gdiplusInput; // version 1, no debug callback, background thread on
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));

    // The dialogs' date pickers and the other common controls.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    vimo::Settings settings; // the one settings object of the process
    vimo::WinProfileStore store;
    settings.Load(store, CurrentDirectory());

    {
        vimo::ControllerWindow controller(settings);
        controller.DoModal(nullptr);

        Gdiplus::GdiplusShutdown(gdiplusToken);
        Sleep(1000);
    }

    if (oleReady) OleUninitialize();
    WSACleanup();
    CoUninitialize();
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) { return Run(commandLine); }
