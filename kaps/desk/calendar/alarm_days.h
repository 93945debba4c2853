#pragma once
// Reading the notes' alarm stamps ("YYYYMMDDhhmmss", "00000000000000" for none) for the calendar.
#include <cstddef>
#include <string>
#include <vector>

#include "kaps/desk/calendar/calendar_date.h"

namespace vimo {

// The days to mark in the shown month, ascending and without repeats: for every stamp of at least 8
// characters whose year and month fields equal the shown ones, its day field when 0 < day < 50.
// Fields are read with the usual decimal rule, so the day need not exist in the month.
std::vector<int> AlarmDaysOf(const std::vector<std::string>& stamps, YearMonth shown);

// The positions, in list order, of the stamps of at least 8 characters whose year, month and day
// fields equal the given date: the notes a day click brings to attention.
std::vector<std::size_t> AlarmsOnDay(const std::vector<std::string>& stamps, const CalendarDate& date);

} // namespace vimo
