#include "kaps/desk/calendar/month_grid.h"

namespace vimo {

int GridOffset(YearMonth shown) {
    const int weekday = WeekdayOf(shown.year, shown.month, 1);
    return weekday == 0 ? 13 : weekday + 6;
}

MonthView DrawMonth(YearMonth shown, const CalendarDate& today, const std::string& textDays,
                    const std::vector<int>& alarmDays) {
    MonthView view;
    view.shown = shown;
    view.offset = GridOffset(shown);
    auto cell = [&](int k) -> GridCell& { return view.cells[static_cast<std::size_t>(k - 1)]; };

    for (int k = 1; k <= kGridColumns; ++k) {
        if (textDays.size() >= static_cast<std::size_t>(kGridColumns))
            cell(k) = GridCell{CellLook::DayLetter, textDays.substr(static_cast<std::size_t>(k - 1), 1), false};
        else
            cell(k) = GridCell{CellLook::Keep, "", false};
    }
    // Cells 8 ... 49 start blank and disabled (the default GridCell).

    const int days = DaysInMonth(shown.year, shown.month);
    for (int d = 1; d <= days; ++d) {
        const bool isToday = CalendarDate{shown.year, shown.month, d} == today;
        cell(view.offset + d) = GridCell{isToday ? CellLook::Today : CellLook::Day, std::to_string(d), true};
    }
    for (int d : alarmDays) {
        const int k = view.offset + d;
        if (d < 1 || k > kGridCellCount) continue;
        cell(k) = GridCell{CellLook::Alarm, std::to_string(d), true};
    }
    return view;
}

} // namespace vimo
