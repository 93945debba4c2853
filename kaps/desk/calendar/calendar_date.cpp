#include "kaps/desk/calendar/calendar_date.h"

namespace vimo {

namespace {
// Days from 1970-01-01 to the given civil date (proleptic Gregorian), valid for every int year.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}
} // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool DateExists(int year, int month, int day) { return day >= 1 && day <= DaysInMonth(year, month); }

int WeekdayOf(int year, int month, int day) {
    const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    const long long weekday = (days + 4) % 7; // 1970-01-01 was a Thursday
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

YearMonth NextMonth(YearMonth shown) {
    if (++shown.month > 12) {
        shown.month = 1;
        ++shown.year;
    }
    return shown;
}

YearMonth PreviousMonth(YearMonth shown) {
    if (--shown.month < 1) {
        shown.month = 12;
        --shown.year;
    }
    return shown;
}

} // namespace vimo
