#include "app/setup_choices.h"

#include <algorithm>

#include "base/text_util.h"

namespace vimo {

int SetupDelayIndex(int seconds) {
    for (std::size_t i = 0; i < std::size(kSetupDelays); ++i)
        if (kSetupDelays[i] == seconds) return static_cast<int>(i);
    return -1;
}

int SetupTriggerIndex(const std::string& trigger) {
    for (std::size_t i = 0; i < std::size(kSetupTriggers); ++i)
        if (trigger == kSetupTriggers[i]) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> RunningApplications(const std::vector<RunningWindow>& windows) {
    std::vector<std::string> programs;
    for (const RunningWindow& window : windows) {
        if (window.title.empty() || window.title == "Program Manager" || window.executablePath.empty()) continue;
        const std::string program = ToUpperAscii(window.executablePath);
        if (std::find(programs.begin(), programs.end(), program) == programs.end()) programs.push_back(program);
    }
    return programs;
}

std::array<std::string, 10> ExclusionSettings(const std::vector<std::string>& list) {
    std::array<std::string, 10> settings;
    for (std::size_t i = 0; i < settings.size() && i < list.size(); ++i) settings[i] = list[i];
    return settings;
}

} // namespace vimo
