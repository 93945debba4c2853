#include "kaps/desk/calendar/month_title.h"

namespace vimo {

std::tm MonthTitleTime(YearMonth shown) {
    std::tm first = {};
    first.tm_year = shown.year - 1900;
    first.tm_mon = shown.month - 1;
    first.tm_mday = 1;
    first.tm_hour = 1;
    first.tm_min = 1;
    first.tm_sec = 1;
    first.tm_wday = WeekdayOf(shown.year, shown.month, 1);
    for (int m = 1; m < shown.month; ++m) first.tm_yday += DaysInMonth(shown.year, m);
    first.tm_isdst = -1;
    return first;
}

std::string MonthTitle(YearMonth shown, const LocalTimeFormatter& format) {
    return format(MonthTitleTime(shown), kMonthTitleFormat);
}

} // namespace vimo
