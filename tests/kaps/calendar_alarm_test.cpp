// The calendar's reminder marks, day clicks, the note bounce and the placing of its grid cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/messages.h"
#include "kaps/desk/calendar/alarm_days.h"
#include "kaps/desk/calendar/calendar_document.h"
#include "kaps/desk/calendar/calendar_model.h"
#include "kaps/desk/calendar/day_bounce.h"
#include "kaps/desk/calendar/grid_geometry.h"

namespace vimo {
namespace {

TEST(AlarmDays, OnlyTheShownMonthAndYear) {
    const std::vector<std::string> stamps = {
        "20240315093000", // shown month
        "20240301000000", // shown month, day 1
        "20230315093000", // same month, other year
        "20240415093000", // next month
        "20250315093000", // same month, next year
        "20240315180000", // the same day again
        "00000000000000", // no alarm
        "2024031",        // too short for a date
        "",
        "20240307", // a date alone is enough
    };
    EXPECT_EQ(AlarmDaysOf(stamps, {2024, 3}), (std::vector<int>{1, 7, 15}));
    EXPECT_EQ(AlarmDaysOf(stamps, {2024, 4}), (std::vector<int>{15}));
    EXPECT_EQ(AlarmDaysOf(stamps, {2024, 5}), (std::vector<int>{}));
    EXPECT_EQ(AlarmDaysOf({"00000000000000"}, {2024, 1}), (std::vector<int>{}));
}

TEST(AlarmDays, DayFieldRange) {
    EXPECT_EQ(AlarmDaysOf({"20240200", "20240249", "20240250", "20240299"}, {2024, 2}), (std::vector<int>{49}));
    EXPECT_EQ(AlarmDaysOf({"2024020x"}, {2024, 2}), (std::vector<int>{})) << "\"0x\" reads as 0";
    EXPECT_EQ(AlarmDaysOf({"202402 9"}, {2024, 2}), (std::vector<int>{9})) << "the usual decimal rule";
}

TEST(AlarmMarks, ReplaceTheLookOfTheirDay) {
    CalendarModel calendar(CalendarDate{2024, 3, 15});
    const std::vector<std::string> stamps = {"20240315093000", "20240320000000", "20240415000000"};
    const MonthView view = calendar.Draw("MTWTFSS", stamps);
    const GridCell& today = view.Cell(view.offset + 15);
    EXPECT_EQ(today.look, CellLook::Alarm) << "an alarm wins over today's look";
    EXPECT_EQ(today.text, "15");
    EXPECT_TRUE(today.enabled);
    EXPECT_EQ(view.Cell(view.offset + 20).look, CellLook::Alarm);
    EXPECT_EQ(view.Cell(view.offset + 14).look, CellLook::Day);
    int marks = 0;
    for (const GridCell& cell : view.cells) marks += cell.look == CellLook::Alarm;
    EXPECT_EQ(marks, 2);
}

TEST(AlarmMarks, DaysPastTheMonthEndAreMarkedWhileInsideTheGrid) {
    CalendarModel calendar(CalendarDate{2024, 12, 1}); // offset 13: day 36 is cell 49
    const MonthView view = calendar.Draw("MTWTFSS", {"20241236", "20241237", "20241249"});
    EXPECT_EQ(view.offset, 13);
    EXPECT_EQ(view.Cell(49).look, CellLook::Alarm);
    EXPECT_EQ(view.Cell(49).text, "36");
    int marks = 0;
    for (const GridCell& cell : view.cells) marks += cell.look == CellLook::Alarm;
    EXPECT_EQ(marks, 1) << "cells past 49 do not exist";

    CalendarModel february(CalendarDate{2023, 2, 1});
    const MonthView feb = february.Draw("MTWTFSS", {"20230230"});
    EXPECT_EQ(feb.Cell(feb.offset + 30).look, CellLook::Alarm);
    EXPECT_EQ(feb.Cell(feb.offset + 29).look, CellLook::Blank);
}

TEST(DayClick, FindsEveryNoteOfThatDayInOrder) {
    CalendarModel calendar(CalendarDate{2024, 3, 1});
    const std::vector<std::string> stamps = {"20240320080000", "20240321080000", "00000000000000",
                                             "20240320170000", "20230320080000", "2024032"};
    EXPECT_EQ(calendar.NotesOnDay(stamps, 20), (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(calendar.NotesOnDay(stamps, 21), (std::vector<std::size_t>{1}));
    EXPECT_EQ(calendar.NotesOnDay(stamps, 22), (std::vector<std::size_t>{}));
    calendar.StepOn();
    EXPECT_EQ(calendar.NotesOnDay(stamps, 20), (std::vector<std::size_t>{})) << "April is shown now";
}

TEST(DayClick, CellMessageToDay) {
    EXPECT_EQ(CellOfMessage(CalendarCellMessage(1)), std::optional<int>(1));
    EXPECT_EQ(CellOfMessage(CalendarCellMessage(kCalendarCellCount)), std::optional<int>(49));
    EXPECT_EQ(CellOfMessage(CalendarCellMessage(20)), std::optional<int>(20));
    EXPECT_FALSE(CellOfMessage(WMU_CALENDAR_CELL_BASE));
    EXPECT_FALSE(CellOfMessage(CalendarCellMessage(kCalendarCellCount + 1)));
    EXPECT_FALSE(CellOfMessage(WMU_PREVIOUS_MONTH));

    CalendarModel calendar(CalendarDate{2024, 9, 10}); // starts on a Sunday: day 1 in cell 14
    EXPECT_EQ(calendar.DayOfCell(14), 1);
    EXPECT_EQ(calendar.DayOfCell(43), 30);
    calendar.StepOn(); // October 2024 starts on a Tuesday: day 1 in cell 9
    EXPECT_EQ(calendar.DayOfCell(9), 1);
}

TEST(Bounce, DownSixtyNinePixelsAndBack) {
    const std::vector<int> path = BouncePath(100);
    ASSERT_EQ(path.size(), 47u); // 23 moves down, 23 up, then onto the place
    EXPECT_EQ(path.front(), 100);
    EXPECT_EQ(path[22], 166) << "last step down";
    EXPECT_EQ(path[23], 169) << "the way back starts at the lowest point";
    EXPECT_EQ(path[45], 103);
    EXPECT_EQ(path.back(), 100);
    for (std::size_t i = 1; i < 23; ++i) EXPECT_EQ(path[i] - path[i - 1], 3) << i;
    for (std::size_t i = 24; i < 47; ++i) EXPECT_EQ(path[i - 1] - path[i], 3) << i;
    for (int y : path) EXPECT_TRUE(y >= 100 && y <= 169) << y;
    EXPECT_EQ(BouncePath(-50).back(), -50);
}

TEST(GridGeometry, CellsRowByRowFromTheSkinValues) {
    const GridGeometry grid{12, 40, 20, 15, 4, 2};
    EXPECT_EQ(CellRect(grid, 1), (LayerRect{12, 40, 20, 15}));
    EXPECT_EQ(CellRect(grid, 7), (LayerRect{12 + 6 * 24, 40, 20, 15}));
    EXPECT_EQ(CellRect(grid, 8), (LayerRect{12, 57, 20, 15}));
    EXPECT_EQ(CellRect(grid, 49), (LayerRect{12 + 6 * 24, 40 + 6 * 17, 20, 15}));

    EXPECT_EQ(CellAt(grid, 12, 40), std::optional<int>(1));
    EXPECT_EQ(CellAt(grid, 31, 54), std::optional<int>(1));
    EXPECT_EQ(CellAt(grid, 36, 57), std::optional<int>(9));
    EXPECT_FALSE(CellAt(grid, 33, 45)) << "in the gap between two columns";
    EXPECT_FALSE(CellAt(grid, 20, 56)) << "in the gap between two rows";
    EXPECT_FALSE(CellAt(grid, 11, 40));
    EXPECT_EQ(CellAt(grid, 12 + 6 * 24 + 19, 40 + 6 * 17 + 14), std::optional<int>(49));
    EXPECT_FALSE(CellAt(grid, 12 + 6 * 24 + 20, 40 + 6 * 17));

    const GridGeometry overlapping{0, 0, 10, 10, -5, 0};
    EXPECT_EQ(CellAt(overlapping, 6, 1), std::optional<int>(1)) << "the first cell in row order wins";
}

TEST(CalendarDocument, CommonLinesOnly) {
    const KapHeader header{"20240101120000", true, "X", true, "tail"};
    const std::string text = ComposeCalendarDocument(header, KapRect{-3, 4, 200, 100});
    EXPECT_EQ(text, "A20240101120000LT\n-3\n4\n200\n100");
    CalendarDocument document;
    ASSERT_TRUE(ParseCalendarDocument(text, document));
    EXPECT_EQ(document.header.kapName, "20240101120000");
    EXPECT_TRUE(document.header.locked);
    EXPECT_TRUE(document.header.topMost);
    EXPECT_EQ(document.rect.x, -3);
    EXPECT_EQ(document.rect.height, 100);
    EXPECT_FALSE(ParseCalendarDocument("", document));
    EXPECT_FALSE(ParseCalendarDocument("x20240101120000LT", document));
}

} // namespace
} // namespace vimo
