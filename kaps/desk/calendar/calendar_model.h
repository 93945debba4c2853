#pragma once
// The calendar kap's state: today's date (read once, when the kap is created), the month on
// display, and what a month drawing or a day click makes of the notes' alarm stamps.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "kaps/desk/calendar/calendar_date.h"
#include "kaps/desk/calendar/month_grid.h"
#include "kaps/desk/clock/time_text.h"

namespace vimo {

class CalendarModel {
public:
    // Shows today's month.
    explicit CalendarModel(const CalendarDate& today) : today_(today), shown_{today.year, today.month} {}

    const CalendarDate& Today() const { return today_; }
    YearMonth Shown() const { return shown_; }
    int Offset() const { return GridOffset(shown_); }

    void StepBack() { shown_ = PreviousMonth(shown_); }
    void StepOn() { shown_ = NextMonth(shown_); }

    // The grid of the shown month with the alarm marks of the given stamps (one per note kap).
    MonthView Draw(const std::string& textDays, const std::vector<std::string>& alarmStamps) const;
    std::string Title(const LocalTimeFormatter& format) const;

    // The day of the shown month that grid cell k stands for: k minus the grid offset.
    int DayOfCell(int k) const { return k - Offset(); }
    // The notes (positions in the stamp list, in order) whose alarm falls on day d of the shown
    // month; each is focused and bounced in turn.
    std::vector<std::size_t> NotesOnDay(const std::vector<std::string>& alarmStamps, int day) const;

private:
    CalendarDate today_;
    YearMonth shown_;
};

} // namespace vimo
