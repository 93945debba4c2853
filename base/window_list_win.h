#pragma once
// The top-level windows of all processes, each with its class name, the executable file of its
// process, the process id and the window handle.
#include <windows.h>

#include <string>
#include <vector>

namespace vimo {

class TopLevelWindowList {
public:
    enum Option : unsigned {
        kVisibleOnly = 1,
        kInvisibleOnly = 2, // ignored with kVisibleOnly
        kWithoutParent = 4, // no owner or parent
        kWithParent = 8,    // ignored with kWithoutParent
        kSkipExcluded = 16, // skip the excluded classes (exact, case-sensitive)
    };

    struct Entry {
        std::string className;
        std::string executablePath; // empty when it could not be found
        DWORD processId = 0;
        HWND window = nullptr;
    };

    std::vector<std::string> excludedClasses;

    // Empties the list and lists every top-level window that passes the options, top of the z-order first.
    void Build(unsigned options);

    std::size_t Count() const { return entries_.size(); }
    const Entry& At(std::size_t i) const { return entries_.at(i); }
    // The window's title at the moment of the call.
    std::string Title(std::size_t i) const;
    const std::string& ClassName(std::size_t i) const { return entries_.at(i).className; }
    const std::string& ExecutablePath(std::size_t i) const { return entries_.at(i).executablePath; }
    unsigned Options() const { return options_; }

private:
    static BOOL CALLBACK Collect(HWND hwnd, LPARAM self);
    bool Accepts(HWND hwnd, const std::string& className) const;
    void FillExecutablePaths();

    unsigned options_ = 0;
    std::vector<Entry> entries_;
};

// The full path of a process's executable file, or empty.
std::string ProcessExecutablePath(DWORD processId);

// True when a top-level window of another process runs an executable whose path contains "VimoKap.exe".
bool AnotherCopyIsRunning();

} // namespace vimo
