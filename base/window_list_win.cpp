#include "base/window_list_win.h"

#include <psapi.h>

#include <algorithm>
#include <map>

namespace vimo {

namespace {

struct ProcessHandle {
    HANDLE handle;
    explicit ProcessHandle(DWORD access, DWORD pid) : handle(OpenProcess(access, FALSE, pid)) {}
    ~ProcessHandle() {
        if (handle) CloseHandle(handle);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
};

} // namespace

std::string ProcessExecutablePath(DWORD processId) {
    char path[MAX_PATH] = {};
    {
        // The limited right is granted for more processes than read access.
        ProcessHandle process(PROCESS_QUERY_LIMITED_INFORMATION, processId);
        DWORD size = MAX_PATH;
        if (process.handle && QueryFullProcessImageNameA(process.handle, 0, path, &size)) return path;
    }
    ProcessHandle process(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, processId);
    if (!process.handle) return {};
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!EnumProcessModules(process.handle, &module, sizeof(module), &needed)) return {};
    if (!GetModuleFileNameExA(process.handle, module, path, MAX_PATH)) return {};
    return path;
}

void TopLevelWindowList::Build(unsigned options) {
    entries_.clear();
    options_ = options;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(this));
    FillExecutablePaths();
}

BOOL CALLBACK TopLevelWindowList::Collect(HWND hwnd, LPARAM selfParam) {
    auto* self = reinterpret_cast<TopLevelWindowList*>(selfParam);
    char className[260] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    if (self->Accepts(hwnd, className)) {
        Entry entry;
        entry.className = className;
        entry.window = hwnd;
        GetWindowThreadProcessId(hwnd, &entry.processId);
        self->entries_.push_back(std::move(entry));
    }
    return TRUE;
}

bool TopLevelWindowList::Accepts(HWND hwnd, const std::string& className) const {
    const bool visible = IsWindowVisible(hwnd) != FALSE;
    if (options_ & kVisibleOnly) {
        if (!visible) return false;
    } else if ((options_ & kInvisibleOnly) && visible) {
        return false;
    }
    const bool hasParent = GetParent(hwnd) != nullptr;
    if (options_ & kWithoutParent) {
        if (hasParent) return false;
    } else if ((options_ & kWithParent) && !hasParent) {
        return false;
    }
    if (options_ & kSkipExcluded) {
        if (std::find(excludedClasses.begin(), excludedClasses.end(), className) != excludedClasses.end()) return false;
    }
    return true;
}

void TopLevelWindowList::FillExecutablePaths() {
    std::map<DWORD, std::string> byProcess;
    for (Entry& entry : entries_) {
        auto found = byProcess.find(entry.processId);
        if (found == byProcess.end())
            found = byProcess.emplace(entry.processId, ProcessExecutablePath(entry.processId)).first;
        entry.executablePath = found->second;
    }
}

std::string TopLevelWindowList::Title(std::size_t i) const {
    char title[260] = {};
    GetWindowTextA(entries_.at(i).window, title, sizeof(title));
    return title;
}

bool AnotherCopyIsRunning() {
    TopLevelWindowList list;
    list.Build(TopLevelWindowList::kWithoutParent | TopLevelWindowList::kSkipExcluded);
    const DWORD self = GetCurrentProcessId();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (list.At(i).processId != self && list.ExecutablePath(i).find("VimoKap.exe") != std::string::npos)
            return true;
    }
    return false;
}

} // namespace vimo
