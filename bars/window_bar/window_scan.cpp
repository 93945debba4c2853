#include "bars/window_bar/window_scan.h"

#include <algorithm>

#include "base/text_util.h"

namespace vimo {

namespace {

bool Listed(const std::vector<ListedWindow>& listed, std::uintptr_t window) {
    return std::any_of(listed.begin(), listed.end(), [&](const ListedWindow& w) { return w.window == window; });
}

bool ProgramListed(const std::vector<ListedWindow>& listed, const std::string& program) {
    return std::any_of(listed.begin(), listed.end(), [&](const ListedWindow& w) { return w.program == program; });
}

bool Excluded(const std::array<std::string, 10>& exclude, const std::string& program) {
    const std::string upper = ToUpperAscii(program);
    return std::find(exclude.begin(), exclude.end(), upper) != exclude.end();
}

} // namespace

ScanPlan PlanScan(const std::vector<ScanEntry>& entries, const ScanRules& rules, std::vector<ListedWindow> listed) {
    ScanPlan plan;
    for (const ScanEntry& entry : entries) {
        if (entry.title.empty() || entry.title == "Program Manager") continue;
        if (entry.processId == rules.ownProcess) continue;
        if (rules.mediaRemoteExists && entry.program.find("WMP") != std::string::npos) continue;
        if (Excluded(rules.exclude, entry.program) || Listed(listed, entry.window)) continue;
        if (rules.rescan && rules.killNewWindows &&
            (rules.killApp.empty() || (entry.program == rules.killApp && ProgramListed(listed, entry.program)))) {
            plan.closeWindow.push_back(entry.window);
            continue;
        }
        plan.newTiles.push_back(entry);
        listed.push_back(ListedWindow{entry.window, entry.program});
    }
    return plan;
}

void UpperCaseExclusions(std::array<std::string, 10>& exclude) {
    for (std::string& program : exclude) program = ToUpperAscii(program);
}

std::vector<std::uintptr_t> OthersToMinimize(const std::vector<WindowShowState>& listed, std::uintptr_t keep,
                                             bool minimizeMaximized) {
    std::vector<std::uintptr_t> minimize;
    for (const WindowShowState& w : listed)
        if (w.window != keep && !w.minimized && (minimizeMaximized || !w.maximized)) minimize.push_back(w.window);
    return minimize;
}

} // namespace vimo
