#pragma once
// The setup dialog's lists and rules, free of the platform.
#include <array>
#include <string>
#include <vector>

namespace vimo {

// The hide delays the dialog offers, in seconds, and their texts; the triggers, as stored.
constexpr int kSetupDelays[] = {5, 15, 30};
constexpr const char* kSetupDelayTexts[] = {"5 sec.", "15 sec.", "30 sec."};
constexpr const char* kSetupTriggers[] = {"Left", "Right", "Top", "Bottom"};

// The list entry of a stored delay or trigger; -1 when it is none of the dialog's.
int SetupDelayIndex(int seconds);
int SetupTriggerIndex(const std::string& trigger);

// A top-level window as the running-applications list sees it.
struct RunningWindow {
    std::string title;
    std::string executablePath;
};
// The executables of the windows with a title other than "Program Manager", upper-cased, each once,
// in the windows' order.
std::vector<std::string> RunningApplications(const std::vector<RunningWindow>& windows);

// The exclusion list as the settings keep it: its first ten entries, the rest empty.
std::array<std::string, 10> ExclusionSettings(const std::vector<std::string>& list);

} // namespace vimo
