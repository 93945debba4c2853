#pragma once
// The calendar's title: the shown month's first day rendered as "%B %Y" (the locale's full month
// name, a space and the four-digit year) by the platform's formatter.
#include <ctime>
#include <string>

#include "kaps/desk/calendar/calendar_date.h"
#include "kaps/desk/clock/time_text.h"

namespace vimo {

constexpr const char* kMonthTitleFormat = "%B %Y";

// The 1st of the month at 01:01:01, with its weekday and day of the year filled in.
std::tm MonthTitleTime(YearMonth shown);
std::string MonthTitle(YearMonth shown, const LocalTimeFormatter& format);

} // namespace vimo
