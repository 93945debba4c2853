#include "support/other_program_win.h"

#include <psapi.h>

#include <vector>

#include "e2e/driver/vimo_driver.h"

namespace vimo::testsupport {

namespace {

constexpr DWORD kStartTimeoutMs = 20000;

struct WindowSearch {
    DWORD processId;
    const std::string* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (owner != search->processId || *search->windowClass != cls || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND ControlWindowOf(DWORD processId) {
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, other::kControlClass, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, other::kControlClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId) return w;
    }
    return nullptr;
}

} // namespace

RunningProgram::RunningProgram(const std::string& commandLine, const std::string& windowClass) {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_)) return;
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    if (windowClass.empty()) return;
    e2e::WaitFor(
        [&] {
            WindowSearch search{process_.dwProcessId, &windowClass, nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            window_ = search.found;
            return window_ != nullptr;
        },
        kStartTimeoutMs);
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string RunningProgram::ExecutablePath() const {
    char path[MAX_PATH] = {};
    if (process_.hProcess) GetModuleFileNameExA(process_.hProcess, nullptr, path, MAX_PATH);
    return path;
}

OtherProgram::OtherProgram() : RunningProgram("\"" + e2e::WindowsPath(VIMO_OTHER_WINDOW_EXE) + "\"", "") {
    e2e::WaitFor([&] { return (control_ = ControlWindowOf(ProcessId())) != nullptr; }, kStartTimeoutMs);
}

LRESULT OtherProgram::Order(other::Order order, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!control_ || !SendMessageTimeoutA(control_, order, wParam, lParam, SMTO_NORMAL, 10000, &result)) return 0;
    return static_cast<LRESULT>(result);
}

HWND OtherProgram::MakeWindow(WPARAM flags, int x, int y) const {
    return reinterpret_cast<HWND>(Order(other::kMakeWindow, flags, MAKELPARAM(x, y)));
}

} // namespace vimo::testsupport

namespace vimo::testsupport {

bool OtherProgram::Settle() const {
    const WPARAM token = ++mark_;
    PostMessageA(control_, other::kMark, token, 0);
    return e2e::WaitFor([&] { return static_cast<WPARAM>(Order(other::kLastMark)) == token; }, 10000);
}

} // namespace vimo::testsupport
