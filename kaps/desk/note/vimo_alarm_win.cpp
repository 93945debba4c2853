#include "kaps/desk/note/vimo_alarm_win.h"

#include <commctrl.h>

#include <cstdio>
#include <initializer_list>

#include "base/resource.h"
#include "kaps/desk/note/note_model.h"

namespace vimo {

CVimoAlarm::CVimoAlarm(std::string stamp) : Dialog(IDD_ALARM), stamp_(std::move(stamp)) {}

BOOL CVimoAlarm::OnInitDialog() {
    HWND hwnd = Hwnd();
    HWND hours = GetDlgItem(hwnd, IDC_ALARM_HOUR), minutes = GetDlgItem(hwnd, IDC_ALARM_MINUTE);
    char text[8];
    for (int h = 0; h < 24; ++h) {
        std::snprintf(text, sizeof(text), "%02d", h);
        SendMessageA(hours, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    for (int m = 0; m < 60; m += 5) {
        std::snprintf(text, sizeof(text), "%02d", m);
        SendMessageA(minutes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    const AlarmChoice choice = AlarmChoiceFromStamp(stamp_);
    CheckDlgButton(hwnd, IDC_ALARM_ENABLE, choice.on ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(hours, CB_SETCURSEL, choice.hourIndex, 0);
    SendMessageA(minutes, CB_SETCURSEL, choice.minuteIndex, 0);
    if (choice.on) {
        SYSTEMTIME date = {};
        date.wYear = static_cast<WORD>(choice.year);
        date.wMonth = static_cast<WORD>(choice.month);
        date.wDay = static_cast<WORD>(choice.day);
        SendDlgItemMessageA(hwnd, IDC_ALARM_DATE, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    }
    EnableInputs(choice.on);
    return TRUE;
}

void CVimoAlarm::EnableInputs(bool on) {
    for (int id : {IDC_ALARM_DATE, IDC_ALARM_HOUR, IDC_ALARM_MINUTE}) EnableWindow(GetDlgItem(Hwnd(), id), on);
}

bool CVimoAlarm::OnCommand(UINT id, UINT, HWND) {
    HWND hwnd = Hwnd();
    switch (id) {
    case IDC_ALARM_ENABLE: EnableInputs(IsDlgButtonChecked(hwnd, IDC_ALARM_ENABLE) == BST_CHECKED); return true;
    case IDOK: {
        AlarmChoice choice;
        choice.on = IsDlgButtonChecked(hwnd, IDC_ALARM_ENABLE) == BST_CHECKED;
        SYSTEMTIME date = {};
        SendDlgItemMessageA(hwnd, IDC_ALARM_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
        choice.year = date.wYear;
        choice.month = date.wMonth;
        choice.day = date.wDay;
        const LRESULT hour = SendDlgItemMessageA(hwnd, IDC_ALARM_HOUR, CB_GETCURSEL, 0, 0);
        const LRESULT minute = SendDlgItemMessageA(hwnd, IDC_ALARM_MINUTE, CB_GETCURSEL, 0, 0);
        choice.hourIndex = hour < 0 ? 0 : static_cast<int>(hour);
        choice.minuteIndex = minute < 0 ? 0 : static_cast<int>(minute);
        stamp_ = StampFromAlarmChoice(choice);
        EndModal(IDOK);
        return true;
    }
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
