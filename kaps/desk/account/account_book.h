#pragma once
// The account book's lines and its month view: lines kept in date order, the month on display
// with its totals and the running balance, and the texts the kap shows.
#include <cstddef>
#include <string>
#include <vector>

#include "kaps/desk/account/account_money.h"
#include "kaps/desk/calendar/calendar_date.h"

namespace vimo {

struct AccountLine {
    std::string date; // "%Y%m%d"
    std::string label;
    bool checked = false;
    Cents out = 0;
    Cents in = 0;
    bool operator==(const AccountLine& o) const {
        return date == o.date && label == o.label && checked == o.checked && out == o.out && in == o.in;
    }
};

// "%Y%m%d" of a date, and "%Y%m" of a month (the month key).
std::string AccountDateText(const CalendarDate& date);
std::string MonthKey(YearMonth month);
// The date of a line's "%Y%m%d" text; false when it is not eight digits naming a real day.
bool ParseAccountDate(const std::string& text, CalendarDate& date);

class AccountBook {
public:
    const std::vector<AccountLine>& Lines() const { return lines_; }
    std::size_t Size() const { return lines_.size(); }

    // Replaces every line (kept in date order).
    void Assign(std::vector<AccountLine> lines);
    // A new line follows the lines of its date already there.
    void Add(AccountLine line);
    // Appends the lines, then puts the whole list in date order again.
    void Append(const std::vector<AccountLine>& lines);
    // False for an index that is no line.
    bool Replace(std::size_t index, AccountLine line);
    bool Remove(std::size_t index);
    bool ToggleChecked(std::size_t index);

private:
    void SortByDate();
    std::vector<AccountLine> lines_;
};

struct AccountMonth {
    Cents balance = 0;  // every line dated up to the end of the month
    Cents monthIn = 0;  // the month's lines, checked or not
    Cents monthOut = 0;
    std::vector<std::size_t> listed; // indexes of the lines shown, in list order
};

// The month's totals and balance, and its lines to list (checked ones only with showChecked).
AccountMonth BuildAccountMonth(const std::vector<AccountLine>& lines, YearMonth month, bool showChecked);

// "07 : Rent": the day (the last two characters of the date), " : ", the label.
std::string LineDayLabel(const AccountLine& line);
// "- 820.00" for an out amount, "+ 2450.00" for an in amount, both when a line has both; empty
// when it has neither.
std::string LineAmountText(const AccountLine& line);
// "(+):2450.00 EUR (-):942.42 EUR"
std::string TotalsText(const AccountMonth& view, const std::string& currency);
// "1507.58 EUR"
std::string BalanceText(const AccountMonth& view, const std::string& currency);

} // namespace vimo
