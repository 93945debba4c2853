#pragma once
// Which windows of other programs the window bar lists: the rules of a scan, free of the platform.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vimo {

// A window of the top-level window list, as a scan sees it.
struct ScanEntry {
    std::uintptr_t window = 0;
    std::string title;
    std::string program; // the executable path of its process; may be empty
    unsigned long processId = 0;
};

// A tile the bar has: its window and program string.
struct ListedWindow {
    std::uintptr_t window = 0;
    std::string program;
};

struct ScanRules {
    unsigned long ownProcess = 0;
    bool mediaRemoteExists = false;      // windows of a program path containing "WMP" are left out
    std::array<std::string, 10> exclude; // upper case: a program path equal (upper-cased) to one is left out
    bool rescan = false;                 // kill-new-window mode acts on rescans only
    bool killNewWindows = false;
    std::string killApp; // empty: every new window is closed
};

struct ScanPlan {
    std::vector<ScanEntry> newTiles;         // in list order
    std::vector<std::uintptr_t> closeWindow; // new windows to send a close request instead
};

// Goes through the entries in order: a window without a title, the desktop ("Program Manager"),
// one of this program, of the media player while a media remote exists, an excluded one and one
// listed already are skipped; on a rescan in kill-new-window mode, a new window is closed when no
// kill application is set, or when it is of the kill application and that program has a tile
// already (one made earlier in this scan counts); every other window gets a tile.
ScanPlan PlanScan(const std::vector<ScanEntry>& entries, const ScanRules& rules, std::vector<ListedWindow> listed);

// The stored exclusions converted to upper case, as the bar compares them.
void UpperCaseExclusions(std::array<std::string, 10>& exclude);

// The windows to minimize when `keep` comes forward in one-window mode: every other listed window
// that is not minimized, maximized ones only when minimizeMaximized is set.
struct WindowShowState {
    std::uintptr_t window = 0;
    bool minimized = false;
    bool maximized = false;
};
std::vector<std::uintptr_t> OthersToMinimize(const std::vector<WindowShowState>& listed, std::uintptr_t keep,
                                             bool minimizeMaximized);

} // namespace vimo
