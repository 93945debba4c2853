#pragma once
// The calendar's 7 x 7 grid for one month: cells 1 ... 49 row by row, Monday in the first column.
// Row 0 (cells 1 ... 7) holds the day letters; day d of the month is cell GridOffset + d, so day 1
// lies in row 1 in the column of its weekday. Days of the neighbouring months are not shown.
#include <array>
#include <string>
#include <vector>

#include "kaps/desk/calendar/calendar_date.h"

namespace vimo {

constexpr int kGridColumns = 7;
constexpr int kGridCellCount = 49;

// How a cell is drawn; the window takes fonts, colours, frames and images for each look from the
// calendar's skin.
enum class CellLook {
    Keep,      // left as it is (the day-letter row when the day letters are too short)
    DayLetter, // a day letter in bold text, no background
    Blank,     // no text, transparent, no frame, no image
    Day,       // an ordinary day
    Today,     // today's date while today's month is shown
    Alarm,     // a day on which a note's alarm falls; wins over Today
};

struct GridCell {
    CellLook look = CellLook::Blank;
    std::string text;
    bool enabled = false; // clickable
};

struct MonthView {
    YearMonth shown;
    int offset = 0;
    std::array<GridCell, kGridCellCount> cells; // cell k at index k - 1

    // Cell k, 1 ... 49.
    const GridCell& Cell(int k) const { return cells[static_cast<std::size_t>(k - 1)]; }
};

// 13 for a month that starts on a Sunday, otherwise the weekday of the 1st (Monday 1) plus 6.
int GridOffset(YearMonth shown);

// Row and column (both from 0) of cell k.
inline int CellRow(int k) { return (k - 1) / kGridColumns; }
inline int CellColumn(int k) { return (k - 1) % kGridColumns; }

// Draws a month. Row 0 gets the first seven characters of textDays when it has at least seven,
// else it is kept. Every existing day gets its number; today's date gets the Today look when it
// lies in the shown month; each alarm day (see AlarmDaysOf) gets the Alarm look, also on a day the
// month does not have, as long as its cell is within the grid.
MonthView DrawMonth(YearMonth shown, const CalendarDate& today, const std::string& textDays,
                    const std::vector<int>& alarmDays);

} // namespace vimo
