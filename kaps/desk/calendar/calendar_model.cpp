#include "kaps/desk/calendar/calendar_model.h"

#include "kaps/desk/calendar/alarm_days.h"
#include "kaps/desk/calendar/month_title.h"

namespace vimo {

MonthView CalendarModel::Draw(const std::string& textDays, const std::vector<std::string>& alarmStamps) const {
    return DrawMonth(shown_, today_, textDays, AlarmDaysOf(alarmStamps, shown_));
}

std::string CalendarModel::Title(const LocalTimeFormatter& format) const { return MonthTitle(shown_, format); }

std::vector<std::size_t> CalendarModel::NotesOnDay(const std::vector<std::string>& alarmStamps, int day) const {
    return AlarmsOnDay(alarmStamps, CalendarDate{shown_.year, shown_.month, day});
}

} // namespace vimo
