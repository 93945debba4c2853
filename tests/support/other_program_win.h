#pragma once
// Other programs for the tests that are about windows of other programs: the test suite's own
// other_window.exe, whose windows are made on order, and real Wine programs (notepad, winemine).
// Each is ended with its object.
#include <windows.h>

#include <string>

#include "programs/other_window_protocol.h"

namespace vimo::testsupport {

// A program started for a test; its first visible top-level window of windowClass is Window().
class RunningProgram {
public:
    // windowClass empty: the program has no window to wait for.
    RunningProgram(const std::string& commandLine, const std::string& windowClass);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Window() const { return window_; }
    // Windows path of the program's executable, as the top-level window list gives it.
    std::string ExecutablePath() const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// other_window.exe, found by its control window.
class OtherProgram : public RunningProgram {
public:
    OtherProgram();
    HWND Control() const { return control_; }
    LRESULT Order(other::Order order, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND MakeWindow(WPARAM flags = 0, int x = 100, int y = 100) const;
    // Waits until the program has handled everything posted to it so far.
    bool Settle() const;
    int CloseCount(HWND window) const { return static_cast<int>(Order(other::kCloseCount, reinterpret_cast<WPARAM>(window))); }

private:
    HWND control_ = nullptr;
    mutable WPARAM mark_ = 0;
};

} // namespace vimo::testsupport
