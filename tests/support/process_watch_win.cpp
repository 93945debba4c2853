#include "support/process_watch_win.h"

#include <psapi.h>

#include <algorithm>

namespace vimo::testsupport {

ProcessWatch::ProcessWatch(DWORD processId)
    : process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {}

ProcessWatch::~ProcessWatch() {
    if (process_) CloseHandle(process_);
}

void ProcessWatch::Sample(const std::vector<HWND>& windows, DWORD answerLimitMs) {
    for (HWND window : windows) {
        const DWORD before = GetTickCount();
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, answerLimitMs, &answer)) allAnswered_ = false;
        slowest_ = std::max(slowest_, GetTickCount() - before);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (process_ && GetProcessMemoryInfo(process_, &memory, sizeof(memory)))
        peak_ = std::max(peak_, memory.PagefileUsage);
}

} // namespace vimo::testsupport
