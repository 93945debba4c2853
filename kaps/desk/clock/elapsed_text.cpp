#include "kaps/desk/clock/elapsed_text.h"

#include <cstdio>

namespace vimo {

std::string FormatElapsed(std::chrono::milliseconds elapsed) {
    long long ms = elapsed.count();
    if (ms < 0) ms = 0;
    constexpr long long kMsPerDay = 24LL * 60 * 60 * 1000;
    ms %= kMsPerDay; // days are not shown
    const int hours = static_cast<int>(ms / 3600000);
    const int minutes = static_cast<int>(ms / 60000 % 60);
    const int seconds = static_cast<int>(ms / 1000 % 60);
    const int hundredths = static_cast<int>(ms % 1000 / 10);
    char text[48] = {};
    if (hours >= 1)
        std::snprintf(text, sizeof(text), "%02d:%02d:%02d", hours, minutes, seconds);
    else
        std::snprintf(text, sizeof(text), "%02d:%02d:%02d", minutes, seconds, hundredths);
    return text;
}

} // namespace vimo
