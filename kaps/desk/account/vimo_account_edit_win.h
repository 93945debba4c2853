#pragma once
// CVimoAccountEdit, "Edit Line": one line of the account book — its label, its date, an incoming or
// an outgoing amount and its check mark. Typing in one amount field sets the other to "0.00", so a
// line has one amount; OK is taken only when an amount is not 0.
#include "kaps/desk/account/account_book.h"
#include "wnd/dialog_win.h"

namespace vimo {

class CVimoAccountEdit : public Dialog {
public:
    static constexpr int kLabelLimit = 40;
    static constexpr int kAmountLimit = 15;

    // line: the values shown; a line whose date is no day shows `fallbackDate`.
    CVimoAccountEdit(AccountLine line, const CalendarDate& fallbackDate);
    // As confirmed with OK.
    const AccountLine& Line() const { return line_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void AmountChanged(int field, int other);
    bool Confirm();

    AccountLine line_;
    CalendarDate fallbackDate_;
    bool filling_ = false; // our own changes of the amount fields are not typing
};

} // namespace vimo
