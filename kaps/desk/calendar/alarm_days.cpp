#include "kaps/desk/calendar/alarm_days.h"

#include <algorithm>

#include "kapframe/kap_document.h"

namespace vimo {

namespace {
constexpr int kLastMarkableDay = 49;

// The year, month and day fields of a stamp; false when it is shorter than a date.
bool StampDate(const std::string& stamp, CalendarDate& date) {
    if (stamp.size() < 8) return false;
    date.year = ParseLeadingInt(stamp.substr(0, 4));
    date.month = ParseLeadingInt(stamp.substr(4, 2));
    date.day = ParseLeadingInt(stamp.substr(6, 2));
    return true;
}
} // namespace

std::vector<int> AlarmDaysOf(const std::vector<std::string>& stamps, YearMonth shown) {
    std::vector<int> days;
    for (const std::string& stamp : stamps) {
        CalendarDate date;
        if (!StampDate(stamp, date) || date.year != shown.year || date.month != shown.month) continue;
        if (date.day > 0 && date.day <= kLastMarkableDay) days.push_back(date.day);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

std::vector<std::size_t> AlarmsOnDay(const std::vector<std::string>& stamps, const CalendarDate& date) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < stamps.size(); ++i) {
        CalendarDate stamped;
        if (StampDate(stamps[i], stamped) && stamped == date) found.push_back(i);
    }
    return found;
}

} // namespace vimo
