#include "kaps/net/mail/vimo_mail_config_win.h"

#include <string>

#include "base/resource.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

constexpr char kProgramFilter[] = "Programs (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";

struct TextField {
    int id;
    std::string MailValues::*value;
    std::size_t limit;
};
constexpr TextField kTextFields[] = {{IDC_MAIL_NAME, &MailValues::accountName, kMailNameChars},
                                     {IDC_MAIL_PROGRAM, &MailValues::mailProgram, kMailProgramChars},
                                     {IDC_MAIL_SERVER, &MailValues::popServer, kMailServerChars},
                                     {IDC_MAIL_LOGIN, &MailValues::login, kMailLoginChars},
                                     {IDC_MAIL_PASSWORD, &MailValues::password, kMailPasswordChars}};

} // namespace

CVimoMailConfig::CVimoMailConfig(MailValues values) : Dialog(IDD_MAIL_CONFIG), values_(std::move(values)) {}

BOOL CVimoMailConfig::OnInitDialog() {
    HWND hwnd = Hwnd();
    for (const TextField& field : kTextFields) {
        SendDlgItemMessageA(hwnd, field.id, EM_LIMITTEXT, field.limit, 0);
        SetDlgItemTextA(hwnd, field.id, (values_.*field.value).c_str());
    }
    const int chosen = MailIntervalChoice(values_.intervalMinutes);
    HWND intervals = GetDlgItem(hwnd, IDC_MAIL_INTERVAL);
    for (int minutes : kMailIntervals) {
        const std::string entry = std::to_string(minutes);
        const LRESULT index = SendMessageA(intervals, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        if (minutes == chosen) SendMessageA(intervals, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    return TRUE;
}

void CVimoMailConfig::Confirm() {
    HWND hwnd = Hwnd();
    for (const TextField& field : kTextFields) values_.*field.value = DialogItemText(hwnd, field.id);
    const LRESULT chosen = SendDlgItemMessageA(hwnd, IDC_MAIL_INTERVAL, CB_GETCURSEL, 0, 0);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < std::size(kMailIntervals))
        values_.intervalMinutes = kMailIntervals[chosen];
    EndModal(IDOK);
}

bool CVimoMailConfig::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDC_MAIL_PROGRAM_BROWSE: {
        const std::string chosen =
            BrowseForExistingFile(Hwnd(), DialogItemText(Hwnd(), IDC_MAIL_PROGRAM), kProgramFilter);
        if (!chosen.empty()) SetDlgItemTextA(Hwnd(), IDC_MAIL_PROGRAM, chosen.c_str());
        return true;
    }
    case IDOK: Confirm(); return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
