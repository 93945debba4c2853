#include "kaps/desk/clock/time_text.h"

#include <vector>

namespace vimo {

namespace {
// Some C libraries treat fields out of range as an invalid parameter and end the process.
bool InRange(const std::tm& t) {
    return t.tm_year >= -1900 && t.tm_year <= 8099 && t.tm_mon >= 0 && t.tm_mon <= 11 && t.tm_mday >= 1 &&
           t.tm_mday <= 31 && t.tm_hour >= 0 && t.tm_hour <= 23 && t.tm_min >= 0 && t.tm_min <= 59 && t.tm_sec >= 0 &&
           t.tm_sec <= 60 && t.tm_wday >= 0 && t.tm_wday <= 6 && t.tm_yday >= 0 && t.tm_yday <= 365;
}
} // namespace

std::string StrftimeText(const std::tm& local, const char* format) {
    if (!format || !*format || !InRange(local)) return {};
    // strftime returns 0 both for a buffer that is too small and for an empty result.
    for (std::size_t size = 64; size <= 1024; size *= 2) {
        std::vector<char> buffer(size);
        const std::size_t length = std::strftime(buffer.data(), buffer.size(), format, &local);
        if (length > 0) return std::string(buffer.data(), length);
    }
    return {};
}

} // namespace vimo
