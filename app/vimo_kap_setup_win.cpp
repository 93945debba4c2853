#include "app/vimo_kap_setup_win.h"

#include <string>
#include <vector>

#include "app/setup_choices.h"
#include "base/resource.h"
#include "base/window_list_win.h"
#include "kapframe/settings.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

constexpr char kProgramFilter[] = "Programs (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";

struct CheckSetting {
    int id;
    int Settings::*value;
};
constexpr CheckSetting kChecks[] = {{IDC_SETUP_LOAD_DOCK, &Settings::loadRemoteKap},
                                    {IDC_SETUP_LOAD_BAR, &Settings::loadRemoteWin},
                                    {IDC_SETUP_HIDE_TASKBAR, &Settings::hideTaskbarOnStartup},
                                    {IDC_SETUP_DOCK_TOPMOST, &Settings::remoteKapAlwaysOnTop},
                                    {IDC_SETUP_DOCK_AUTOHIDE, &Settings::remoteKapAutoHide},
                                    {IDC_SETUP_DOCK_FADE, &Settings::remoteKapFadeInOut},
                                    {IDC_SETUP_BAR_TOPMOST, &Settings::remoteWinAlwaysOnTop},
                                    {IDC_SETUP_BAR_AUTOHIDE, &Settings::remoteWinAutoHide},
                                    {IDC_SETUP_BAR_FADE, &Settings::remoteWinFadeInOut},
                                    {IDC_SETUP_ONEWIN, &Settings::remoteWinOneWinMode},
                                    {IDC_SETUP_MINIMIZE_MAXIMIZED, &Settings::remoteWinMinimizeMaximized},
                                    {IDC_SETUP_KILLNEWWIN, &Settings::remoteWinKillNewWinMode}};
constexpr CheckSetting kNumbers[] = {{IDC_SETUP_CREATE_X, &Settings::createPosX},
                                     {IDC_SETUP_CREATE_Y, &Settings::createPosY},
                                     {IDC_SETUP_DETECT_DELAY, &Settings::winDetectDelay}};

void AddString(HWND control, const std::string& text, UINT message) {
    SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(text.c_str());
    }
    return items;
}

std::vector<std::string> SkinNames(const std::string& programDir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((programDir + "\\Skin\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Fills a drop-down list with texts and selects the entry `selected` (none for -1).
void FillChoices(HWND list, const char* const* texts, std::size_t count, int selected) {
    for (std::size_t i = 0; i < count; ++i) AddString(list, texts[i], CB_ADDSTRING);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

} // namespace

CVimoKapSetup::CVimoKapSetup(Settings& settings) : Dialog(IDD_SETUP), settings_(settings) {}

BOOL CVimoKapSetup::OnInitDialog() {
    HWND hwnd = Hwnd();
    HWND skins = GetDlgItem(hwnd, IDC_SETUP_SKIN);
    for (const std::string& name : SkinNames(settings_.programDir)) {
        const LRESULT index = SendMessageA(skins, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (name == settings_.skinName) SendMessageA(skins, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    for (const CheckSetting& check : kChecks)
        CheckDlgButton(hwnd, check.id, settings_.*check.value ? BST_CHECKED : BST_UNCHECKED);
    for (const CheckSetting& number : kNumbers)
        SetDlgItemInt(hwnd, number.id, static_cast<UINT>(settings_.*number.value), TRUE);
    SetDlgItemTextA(hwnd, IDC_SETUP_KILL_APP, settings_.remoteWinKillNewWinApp.c_str());
    FillChoices(GetDlgItem(hwnd, IDC_SETUP_DOCK_DELAY), kSetupDelayTexts, std::size(kSetupDelayTexts),
                SetupDelayIndex(settings_.remoteKapHideDelay));
    FillChoices(GetDlgItem(hwnd, IDC_SETUP_BAR_DELAY), kSetupDelayTexts, std::size(kSetupDelayTexts),
                SetupDelayIndex(settings_.remoteWinHideDelay));
    FillChoices(GetDlgItem(hwnd, IDC_SETUP_DOCK_TRIGGER), kSetupTriggers, std::size(kSetupTriggers),
                SetupTriggerIndex(settings_.remoteKapTrigger));
    FillChoices(GetDlgItem(hwnd, IDC_SETUP_BAR_TRIGGER), kSetupTriggers, std::size(kSetupTriggers),
                SetupTriggerIndex(settings_.remoteWinTrigger));
    FollowChecks();
    HWND excluded = GetDlgItem(hwnd, IDC_SETUP_EXCLUDED);
    for (const std::string& program : settings_.exclude)
        if (!program.empty()) AddString(excluded, program, LB_ADDSTRING);
    TopLevelWindowList windows;
    windows.Build(TopLevelWindowList::kVisibleOnly | TopLevelWindowList::kWithoutParent |
                  TopLevelWindowList::kSkipExcluded);
    std::vector<RunningWindow> running;
    for (std::size_t i = 0; i < windows.Count(); ++i) running.push_back({windows.Title(i), windows.ExecutablePath(i)});
    HWND runningList = GetDlgItem(hwnd, IDC_SETUP_RUNNING);
    for (const std::string& program : RunningApplications(running)) AddString(runningList, program, LB_ADDSTRING);
    return TRUE;
}

// The auto-hide boxes enable their delay and trigger lists; OneWIN Mode its minimise box.
void CVimoKapSetup::FollowChecks() {
    HWND hwnd = Hwnd();
    const bool dock = IsDlgButtonChecked(hwnd, IDC_SETUP_DOCK_AUTOHIDE) == BST_CHECKED;
    const bool bar = IsDlgButtonChecked(hwnd, IDC_SETUP_BAR_AUTOHIDE) == BST_CHECKED;
    const bool oneWin = IsDlgButtonChecked(hwnd, IDC_SETUP_ONEWIN) == BST_CHECKED;
    EnableWindow(GetDlgItem(hwnd, IDC_SETUP_DOCK_DELAY), dock);
    EnableWindow(GetDlgItem(hwnd, IDC_SETUP_DOCK_TRIGGER), dock);
    EnableWindow(GetDlgItem(hwnd, IDC_SETUP_BAR_DELAY), bar);
    EnableWindow(GetDlgItem(hwnd, IDC_SETUP_BAR_TRIGGER), bar);
    EnableWindow(GetDlgItem(hwnd, IDC_SETUP_MINIMIZE_MAXIMIZED), oneWin);
}

// Add moves a running program into the exclusions; remove deletes an exclusion.
void CVimoKapSetup::MoveBetweenLists(int from, int to) {
    HWND source = GetDlgItem(Hwnd(), from);
    const LRESULT selected = SendMessageA(source, LB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    if (to != 0) {
        const std::vector<std::string> items = ListItems(source);
        AddString(GetDlgItem(Hwnd(), to), items[static_cast<std::size_t>(selected)], LB_ADDSTRING);
    }
    SendMessageA(source, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void CVimoKapSetup::Confirm() {
    HWND hwnd = Hwnd();
    const std::string skin = DialogItemText(hwnd, IDC_SETUP_SKIN);
    if (!skin.empty()) settings_.skinName = skin;
    for (const CheckSetting& check : kChecks)
        settings_.*check.value = IsDlgButtonChecked(hwnd, check.id) == BST_CHECKED ? 1 : 0;
    for (const CheckSetting& number : kNumbers)
        settings_.*number.value = static_cast<int>(GetDlgItemInt(hwnd, number.id, nullptr, TRUE));
    settings_.remoteWinKillNewWinApp = DialogItemText(hwnd, IDC_SETUP_KILL_APP);
    // A list left without a choice (a stored value the dialog does not offer) keeps the stored one.
    auto delay = [&](int id, int& seconds) {
        const LRESULT i = SendDlgItemMessageA(hwnd, id, CB_GETCURSEL, 0, 0);
        if (i >= 0 && static_cast<std::size_t>(i) < std::size(kSetupDelays)) seconds = kSetupDelays[i];
    };
    auto trigger = [&](int id, std::string& word) {
        const LRESULT i = SendDlgItemMessageA(hwnd, id, CB_GETCURSEL, 0, 0);
        if (i >= 0 && static_cast<std::size_t>(i) < std::size(kSetupTriggers)) word = kSetupTriggers[i];
    };
    delay(IDC_SETUP_DOCK_DELAY, settings_.remoteKapHideDelay);
    delay(IDC_SETUP_BAR_DELAY, settings_.remoteWinHideDelay);
    trigger(IDC_SETUP_DOCK_TRIGGER, settings_.remoteKapTrigger);
    trigger(IDC_SETUP_BAR_TRIGGER, settings_.remoteWinTrigger);
    settings_.exclude = ExclusionSettings(ListItems(GetDlgItem(hwnd, IDC_SETUP_EXCLUDED)));
    EndModal(IDOK);
}

bool CVimoKapSetup::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case IDC_SETUP_DOCK_AUTOHIDE:
    case IDC_SETUP_BAR_AUTOHIDE:
    case IDC_SETUP_ONEWIN: FollowChecks(); return true;
    case IDC_SETUP_KILL_APP_BROWSE: {
        const std::string chosen =
            BrowseForExistingFile(Hwnd(), DialogItemText(Hwnd(), IDC_SETUP_KILL_APP), kProgramFilter);
        if (!chosen.empty()) SetDlgItemTextA(Hwnd(), IDC_SETUP_KILL_APP, chosen.c_str());
        return true;
    }
    case IDC_SETUP_EXCLUDE_ADD: MoveBetweenLists(IDC_SETUP_RUNNING, IDC_SETUP_EXCLUDED); return true;
    case IDC_SETUP_EXCLUDE_REMOVE: MoveBetweenLists(IDC_SETUP_EXCLUDED, 0); return true;
    case IDC_SETUP_RUNNING:
        if (code == LBN_DBLCLK) MoveBetweenLists(IDC_SETUP_RUNNING, IDC_SETUP_EXCLUDED);
        return true;
    case IDC_SETUP_EXCLUDED:
        if (code == LBN_DBLCLK) MoveBetweenLists(IDC_SETUP_EXCLUDED, 0);
        return true;
    case IDOK: Confirm(); return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
