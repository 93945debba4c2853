#include "kaps/desk/account/account_book.h"

#include <algorithm>
#include <cstdio>

namespace vimo {

std::string AccountDateText(const CalendarDate& date) {
    char text[32] = {};
    std::snprintf(text, sizeof(text), "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

std::string MonthKey(YearMonth month) { return AccountDateText(CalendarDate{month.year, month.month, 1}).substr(0, 6); }

bool ParseAccountDate(const std::string& text, CalendarDate& date) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    const int year = std::stoi(text.substr(0, 4)), month = std::stoi(text.substr(4, 2)),
              day = std::stoi(text.substr(6, 2));
    if (year < 1 || !DateExists(year, month, day)) return false;
    date = CalendarDate{year, month, day};
    return true;
}

void AccountBook::SortByDate() {
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const AccountLine& a, const AccountLine& b) { return a.date < b.date; });
}

void AccountBook::Assign(std::vector<AccountLine> lines) {
    lines_ = std::move(lines);
    SortByDate();
}

void AccountBook::Add(AccountLine line) {
    const auto at = std::upper_bound(lines_.begin(), lines_.end(), line.date,
                                     [](const std::string& date, const AccountLine& l) { return date < l.date; });
    lines_.insert(at, std::move(line));
}

void AccountBook::Append(const std::vector<AccountLine>& lines) {
    lines_.insert(lines_.end(), lines.begin(), lines.end());
    SortByDate();
}

bool AccountBook::Replace(std::size_t index, AccountLine line) {
    if (index >= lines_.size()) return false;
    lines_[index] = std::move(line);
    SortByDate();
    return true;
}

bool AccountBook::Remove(std::size_t index) {
    if (index >= lines_.size()) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool AccountBook::ToggleChecked(std::size_t index) {
    if (index >= lines_.size()) return false;
    lines_[index].checked = !lines_[index].checked;
    return true;
}

AccountMonth BuildAccountMonth(const std::vector<AccountLine>& lines, YearMonth month, bool showChecked) {
    const std::string key = MonthKey(month);
    AccountMonth view;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const AccountLine& line = lines[i];
        const int order = line.date.compare(0, 6, key);
        if (order > 0) continue;
        view.balance = AddCents(view.balance, AddCents(line.in, -line.out));
        if (order < 0) continue;
        view.monthIn = AddCents(view.monthIn, line.in);
        view.monthOut = AddCents(view.monthOut, line.out);
        if (!line.checked || showChecked) view.listed.push_back(i);
    }
    return view;
}

std::string LineDayLabel(const AccountLine& line) {
    const std::string day = line.date.size() >= 2 ? line.date.substr(line.date.size() - 2) : line.date;
    return day + " : " + line.label;
}

std::string LineAmountText(const AccountLine& line) {
    std::string text;
    if (line.out > 0) text = "- " + AmountText(line.out);
    if (line.in > 0) text += (text.empty() ? "+ " : "  + ") + AmountText(line.in);
    return text;
}

std::string TotalsText(const AccountMonth& view, const std::string& currency) {
    return "(+):" + AmountText(view.monthIn) + currency + " (-):" + AmountText(view.monthOut) + currency;
}

std::string BalanceText(const AccountMonth& view, const std::string& currency) {
    return AmountText(view.balance) + currency;
}

} // namespace vimo
