// The calendar's month arithmetic and its 7 x 7 grid.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "kaps/desk/calendar/calendar_date.h"
#include "kaps/desk/calendar/calendar_model.h"
#include "kaps/desk/calendar/month_grid.h"
#include "kaps/desk/calendar/month_title.h"

namespace vimo {
namespace {

const CalendarDate kFarToday{1999, 7, 15}; // a today outside every month drawn below

TEST(CalendarDate, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 1), 31);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 12), 31);
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
    EXPECT_TRUE(DateExists(2024, 2, 29));
    EXPECT_FALSE(DateExists(2023, 2, 29));
    EXPECT_FALSE(DateExists(2024, 4, 31));
    EXPECT_FALSE(DateExists(2024, 4, 0));
}

TEST(CalendarDate, Weekdays) {
    EXPECT_EQ(WeekdayOf(1970, 1, 1), 4); // Thursday
    EXPECT_EQ(WeekdayOf(2000, 1, 1), 6); // Saturday
    EXPECT_EQ(WeekdayOf(2000, 2, 29), 2);
    EXPECT_EQ(WeekdayOf(2000, 3, 1), 3);
    EXPECT_EQ(WeekdayOf(1900, 1, 1), 1);
    EXPECT_EQ(WeekdayOf(2024, 9, 1), 0); // Sunday
    EXPECT_EQ(WeekdayOf(2038, 1, 19), 2);
    EXPECT_EQ(WeekdayOf(1, 1, 1), 1);
    EXPECT_EQ(WeekdayOf(1969, 12, 31), 3);
}

TEST(CalendarDate, MonthSteppingCrossesYears) {
    EXPECT_EQ(NextMonth({2024, 12}), (YearMonth{2025, 1}));
    EXPECT_EQ(PreviousMonth({2024, 1}), (YearMonth{2023, 12}));
    EXPECT_EQ(NextMonth({2024, 6}), (YearMonth{2024, 7}));
    EXPECT_EQ(PreviousMonth({2024, 6}), (YearMonth{2024, 5}));
    YearMonth shown{2024, 3};
    for (int i = 0; i < 12; ++i) shown = NextMonth(shown);
    EXPECT_EQ(shown, (YearMonth{2025, 3}));
    for (int i = 0; i < 25; ++i) shown = PreviousMonth(shown);
    EXPECT_EQ(shown, (YearMonth{2023, 2}));
}

TEST(MonthGrid, FirstDayFallsInItsWeekdayColumn) {
    struct Case {
        YearMonth month;
        int firstCell; // Monday in column 0, Sunday in column 6 of row 1
        int offset;
    };
    const Case cases[] = {
        {{2024, 1}, 8, 7},   // Monday
        {{2024, 10}, 9, 8},  // Tuesday
        {{2024, 5}, 10, 9},  // Wednesday
        {{2024, 2}, 11, 10}, // Thursday
        {{2024, 3}, 12, 11}, // Friday
        {{2024, 6}, 13, 12}, // Saturday
        {{2024, 9}, 14, 13}, // Sunday
    };
    for (const Case& c : cases) {
        const MonthView view = DrawMonth(c.month, kFarToday, "MTWTFSS", {});
        const std::string label = std::to_string(c.month.year) + "-" + std::to_string(c.month.month);
        EXPECT_EQ(view.offset, c.offset) << label;
        EXPECT_EQ(GridOffset(c.month), c.offset) << label;
        EXPECT_EQ(CellRow(c.firstCell), 1) << label;
        const int days = DaysInMonth(c.month.year, c.month.month);
        for (int k = 8; k <= kGridCellCount; ++k) {
            const int day = k - c.firstCell + 1;
            const GridCell& cell = view.Cell(k);
            if (day >= 1 && day <= days) {
                EXPECT_EQ(cell.text, std::to_string(day)) << label << " cell " << k;
                EXPECT_EQ(cell.look, CellLook::Day) << label << " cell " << k;
                EXPECT_TRUE(cell.enabled) << label << " cell " << k;
            } else {
                EXPECT_EQ(cell.text, "") << label << " cell " << k << ": no days of other months";
                EXPECT_EQ(cell.look, CellLook::Blank) << label << " cell " << k;
                EXPECT_FALSE(cell.enabled) << label << " cell " << k;
            }
        }
    }
}

TEST(MonthGrid, LongestAndShortestLayouts) {
    // A 31-day month starting on a Sunday reaches row 6; February 2010 fills exactly rows 1 to 4.
    const MonthView december = DrawMonth({2024, 12}, kFarToday, "MTWTFSS", {});
    EXPECT_EQ(december.Cell(14).text, "1");
    EXPECT_EQ(december.Cell(44).text, "31");
    EXPECT_EQ(CellRow(44), 6);
    EXPECT_EQ(CellColumn(44), 1);
    EXPECT_EQ(december.Cell(45).text, "");

    const MonthView february = DrawMonth({2010, 2}, kFarToday, "MTWTFSS", {});
    EXPECT_EQ(february.Cell(8).text, "1");
    EXPECT_EQ(february.Cell(35).text, "28");
    EXPECT_EQ(february.Cell(36).text, "");
}

TEST(MonthGrid, FebruaryLengths) {
    const MonthView leap = DrawMonth({2024, 2}, kFarToday, "MTWTFSS", {});
    EXPECT_EQ(leap.Cell(leap.offset + 29).text, "29");
    EXPECT_TRUE(leap.Cell(leap.offset + 29).enabled);
    for (int d : {30, 31}) {
        EXPECT_EQ(leap.Cell(leap.offset + d).text, "") << d;
        EXPECT_FALSE(leap.Cell(leap.offset + d).enabled) << d;
    }
    for (YearMonth plain : {YearMonth{2023, 2}, YearMonth{1900, 2}, YearMonth{2100, 2}}) {
        const MonthView view = DrawMonth(plain, kFarToday, "MTWTFSS", {});
        EXPECT_EQ(view.Cell(view.offset + 28).text, "28") << plain.year;
        for (int d : {29, 30, 31}) {
            EXPECT_EQ(view.Cell(view.offset + d).look, CellLook::Blank) << plain.year << " day " << d;
            EXPECT_FALSE(view.Cell(view.offset + d).enabled) << plain.year << " day " << d;
        }
    }
    EXPECT_EQ(DrawMonth({2000, 2}, kFarToday, "MTWTFSS", {}).Cell(GridOffset({2000, 2}) + 29).text, "29");
}

TEST(MonthGrid, DayLettersTakeTheFirstSevenCharacters) {
    const MonthView view = DrawMonth({2024, 1}, kFarToday, "LMMJVSDX", {});
    const std::string letters = "LMMJVSD";
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(view.Cell(k).text, letters.substr(static_cast<std::size_t>(k - 1), 1)) << k;
        EXPECT_EQ(view.Cell(k).look, CellLook::DayLetter) << k;
        EXPECT_FALSE(view.Cell(k).enabled) << k;
    }
    for (const char* shortDays : {"MTWTFS", ""}) {
        const MonthView kept = DrawMonth({2024, 1}, kFarToday, shortDays, {});
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(kept.Cell(k).look, CellLook::Keep) << '"' << shortDays << "\" cell " << k;
            EXPECT_EQ(kept.Cell(k).text, "");
            EXPECT_FALSE(kept.Cell(k).enabled);
        }
    }
}

TEST(MonthGrid, TodayOnlyInTodaysMonthAndYear) {
    const CalendarDate today{2024, 2, 29};
    CalendarModel calendar(today);
    EXPECT_EQ(calendar.Shown(), (YearMonth{2024, 2}));
    MonthView view = calendar.Draw("MTWTFSS", {});
    EXPECT_EQ(view.Cell(view.offset + 29).look, CellLook::Today);
    EXPECT_EQ(view.Cell(view.offset + 29).text, "29");
    EXPECT_TRUE(view.Cell(view.offset + 29).enabled);
    EXPECT_EQ(view.Cell(view.offset + 28).look, CellLook::Day);

    calendar.StepOn();
    view = calendar.Draw("MTWTFSS", {});
    for (const GridCell& cell : view.cells) EXPECT_NE(cell.look, CellLook::Today);

    for (int i = 0; i < 12; ++i) calendar.StepBack();
    EXPECT_EQ(calendar.Shown(), (YearMonth{2023, 3}));
    calendar.StepBack();
    EXPECT_EQ(calendar.Shown(), (YearMonth{2023, 2}));
    view = calendar.Draw("MTWTFSS", {});
    for (const GridCell& cell : view.cells) EXPECT_NE(cell.look, CellLook::Today) << "same month, other year";

    for (int i = 0; i < 12; ++i) calendar.StepOn();
    view = calendar.Draw("MTWTFSS", {});
    EXPECT_EQ(view.Cell(view.offset + 29).look, CellLook::Today);
    EXPECT_EQ(calendar.Today(), today) << "stepping never re-reads today";
}

TEST(MonthGrid, CalendarSteppingAcrossTheYearEnd) {
    CalendarModel calendar(CalendarDate{2024, 12, 31});
    calendar.StepOn();
    EXPECT_EQ(calendar.Shown(), (YearMonth{2025, 1}));
    EXPECT_EQ(calendar.Offset(), GridOffset({2025, 1}));
    calendar.StepBack();
    calendar.StepBack();
    EXPECT_EQ(calendar.Shown(), (YearMonth{2024, 11}));

    CalendarModel january(CalendarDate{2025, 1, 1});
    january.StepBack();
    EXPECT_EQ(january.Shown(), (YearMonth{2024, 12}));
}

TEST(MonthTitle, FirstDayAtOneMinutePastOne) {
    const std::tm first = MonthTitleTime({2024, 3});
    EXPECT_EQ(first.tm_year, 124);
    EXPECT_EQ(first.tm_mon, 2);
    EXPECT_EQ(first.tm_mday, 1);
    EXPECT_EQ(first.tm_hour, 1);
    EXPECT_EQ(first.tm_min, 1);
    EXPECT_EQ(first.tm_sec, 1);
    EXPECT_EQ(first.tm_wday, 5);
    EXPECT_EQ(first.tm_yday, 31 + 29);

    std::string askedFormat;
    CalendarModel calendar(CalendarDate{2024, 12, 5});
    calendar.StepOn();
    const std::string title = calendar.Title([&](const std::tm& t, const char* format) {
        askedFormat = format;
        return std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_year + 1900);
    });
    EXPECT_EQ(askedFormat, "%B %Y");
    EXPECT_EQ(title, "1/2025");
}

TEST(MonthTitle, RenderedByTheCLibrary) {
    // The tests run in the "C" locale, whose month names are the English ones.
    EXPECT_EQ(MonthTitle({2024, 2}, StrftimeText), "February 2024");
    EXPECT_EQ(MonthTitle({1999, 12}, StrftimeText), "December 1999");
    EXPECT_EQ(MonthTitle({10000, 1}, StrftimeText), "") << "years past 9999 are not handed to strftime";
}

TEST(TimeText, StrftimeTextGrowsItsBufferAndRefusesBadFields) {
    std::tm t = MonthTitleTime({2024, 2});
    EXPECT_EQ(StrftimeText(t, "%Y-%m-%d %H:%M:%S"), "2024-02-01 01:01:01");
    const std::string longFormat(200, 'x');
    EXPECT_EQ(StrftimeText(t, (longFormat + "%Y").c_str()), longFormat + "2024");
    EXPECT_EQ(StrftimeText(t, ""), "");
    EXPECT_EQ(StrftimeText(t, std::string(2000, 'y').c_str()), "") << "longer than the largest buffer";
    t.tm_mon = 12;
    EXPECT_EQ(StrftimeText(t, "%B"), "");
}

} // namespace
} // namespace vimo
