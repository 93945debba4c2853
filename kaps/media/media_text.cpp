#include "kaps/media/media_text.h"

#include <cmath>
#include <cstdio>

namespace vimo {

std::string PaddedPosition(const std::string& position) {
    static const std::string kZero = "00:00:00";
    if (position.size() >= kZero.size()) return position;
    return kZero.substr(0, kZero.size() - position.size()) + position;
}

std::string PositionFromSeconds(double seconds) {
    // Whole seconds, kept below a thousand hours so the text stays short whatever the player says.
    const long total = std::isfinite(seconds) && seconds > 0 ? static_cast<long>(std::fmin(seconds, 3599999.0)) : 0;
    char text[32] = {};
    if (total < 3600)
        std::snprintf(text, sizeof(text), "%ld:%02ld", total / 60, total % 60);
    else
        std::snprintf(text, sizeof(text), "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    return text;
}

std::string MediaTitle(const std::string& name, const std::string& duration) {
    return duration.empty() ? name : name + " (" + duration + ")";
}

} // namespace vimo
