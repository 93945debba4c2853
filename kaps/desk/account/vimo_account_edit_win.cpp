#include "kaps/desk/account/vimo_account_edit_win.h"

#include <commctrl.h>

#include "base/resource.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

constexpr const char* kNoAmount = "0.00";

std::string AmountFieldText(Cents cents) { return cents == 0 ? std::string(kNoAmount) : AmountText(cents); }

} // namespace

CVimoAccountEdit::CVimoAccountEdit(AccountLine line, const CalendarDate& fallbackDate)
    : Dialog(IDD_ACCOUNT_EDIT), line_(std::move(line)), fallbackDate_(fallbackDate) {}

BOOL CVimoAccountEdit::OnInitDialog() {
    HWND hwnd = Hwnd();
    SendDlgItemMessageA(hwnd, IDC_ACCOUNT_LABEL, EM_LIMITTEXT, kLabelLimit, 0);
    SendDlgItemMessageA(hwnd, IDC_ACCOUNT_IN, EM_LIMITTEXT, kAmountLimit, 0);
    SendDlgItemMessageA(hwnd, IDC_ACCOUNT_OUT, EM_LIMITTEXT, kAmountLimit, 0);
    filling_ = true;
    SetDlgItemTextA(hwnd, IDC_ACCOUNT_LABEL, line_.label.c_str());
    SetDlgItemTextA(hwnd, IDC_ACCOUNT_IN, AmountFieldText(line_.in).c_str());
    SetDlgItemTextA(hwnd, IDC_ACCOUNT_OUT, AmountFieldText(line_.out).c_str());
    filling_ = false;
    CheckDlgButton(hwnd, IDC_ACCOUNT_CHECKED, line_.checked ? BST_CHECKED : BST_UNCHECKED);
    CalendarDate date = fallbackDate_;
    ParseAccountDate(line_.date, date);
    SYSTEMTIME shown = {};
    shown.wYear = static_cast<WORD>(date.year);
    shown.wMonth = static_cast<WORD>(date.month);
    shown.wDay = static_cast<WORD>(date.day);
    SendDlgItemMessageA(hwnd, IDC_ACCOUNT_DATE, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    return TRUE;
}

void CVimoAccountEdit::AmountChanged(int field, int other) {
    if (filling_) return;
    filling_ = true;
    HWND edit = GetDlgItem(Hwnd(), field);
    const std::string typed = DialogItemText(Hwnd(), field);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::size_t caret = end;
    const std::string kept = FilterAmountField(typed, caret);
    if (kept != typed) {
        SetWindowTextA(edit, kept.c_str());
        SendMessageA(edit, EM_SETSEL, caret, caret);
    }
    SetDlgItemTextA(Hwnd(), other, kNoAmount);
    filling_ = false;
}

bool CVimoAccountEdit::Confirm() {
    HWND hwnd = Hwnd();
    const Cents in = CentsFromTyped(DialogItemText(hwnd, IDC_ACCOUNT_IN));
    const Cents out = CentsFromTyped(DialogItemText(hwnd, IDC_ACCOUNT_OUT));
    if (in == 0 && out == 0) return false;
    SYSTEMTIME date = {};
    if (SendDlgItemMessageA(hwnd, IDC_ACCOUNT_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date)) != GDT_VALID)
        return false;
    line_.label = DialogItemText(hwnd, IDC_ACCOUNT_LABEL);
    line_.date = AccountDateText(CalendarDate{date.wYear, date.wMonth, date.wDay});
    line_.in = in;
    line_.out = out;
    line_.checked = IsDlgButtonChecked(hwnd, IDC_ACCOUNT_CHECKED) == BST_CHECKED;
    return true;
}

bool CVimoAccountEdit::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case IDC_ACCOUNT_IN:
        if (code == EN_CHANGE) AmountChanged(IDC_ACCOUNT_IN, IDC_ACCOUNT_OUT);
        return true;
    case IDC_ACCOUNT_OUT:
        if (code == EN_CHANGE) AmountChanged(IDC_ACCOUNT_OUT, IDC_ACCOUNT_IN);
        return true;
    case IDOK:
        // Both amounts 0: the dialog stays open for one.
        if (Confirm()) EndModal(IDOK);
        return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
