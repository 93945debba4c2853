#include "app/reminder.h"

#include <cstdlib>

namespace vimo {

namespace {
// The number in characters [from, from + count) of the stamp; -1 when they are missing or not digits.
int Field(const std::string& stamp, std::size_t from, std::size_t count) {
    if (stamp.size() < from + count) return -1;
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const char c = stamp[i];
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}
} // namespace

bool AlarmIsDue(const std::string& stamp, const LocalMinute& now) {
    if (stamp.size() < 8) return false;
    return Field(stamp, 0, 4) == now.year && Field(stamp, 4, 2) == now.month && Field(stamp, 6, 2) == now.day &&
           Field(stamp, 8, 2) == now.hour && Field(stamp, 10, 2) == now.minute;
}

} // namespace vimo
