#pragma once
// Gregorian date arithmetic for the calendar kap (any year, no time zone involved).
namespace vimo {

struct CalendarDate {
    int year = 1970;
    int month = 1; // 1 ... 12
    int day = 1;   // 1 ... 31
    bool operator==(const CalendarDate& o) const { return year == o.year && month == o.month && day == o.day; }
};

// A month on display.
struct YearMonth {
    int year = 1970;
    int month = 1; // 1 ... 12
    bool operator==(const YearMonth& o) const { return year == o.year && month == o.month; }
};

bool IsLeapYear(int year);
// 28 ... 31; 0 for a month outside 1 ... 12.
int DaysInMonth(int year, int month);
// True when day d of the month exists (1 <= d <= days in the month).
bool DateExists(int year, int month, int day);
// 0 Sunday ... 6 Saturday. The month must be 1 ... 12.
int WeekdayOf(int year, int month, int day);

// December steps on to January of the next year, January back to December of the year before.
YearMonth NextMonth(YearMonth shown);
YearMonth PreviousMonth(YearMonth shown);

} // namespace vimo
