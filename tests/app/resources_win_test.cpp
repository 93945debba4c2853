// The resource script as the program sees it at run time: the controller's menu with its sixteen
// popups, the dialog templates and their controls, and the version, manifest and string resources.
// The script is linked into this test executable, so everything is loaded from its own module.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "base/resource.h"

namespace vimo {
namespace {

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

class LoadedMenu {
public:
    LoadedMenu() : menu_(LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_MENU_KAPS))) {}
    ~LoadedMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

class DialogWindow {
public:
    explicit DialogWindow(UINT id)
        : hwnd_(CreateDialogParamW(Module(), MAKEINTRESOURCEW(id), nullptr, &DialogWindow::Proc, 0)) {}
    ~DialogWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    HWND get() const { return hwnd_; }

private:
    static INT_PTR CALLBACK Proc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    HWND hwnd_;
};

// Command identifiers of the items of a menu, sub-menus included (separators and sub-menu
// entries themselves are skipped).
void CollectCommands(HMENU menu, std::vector<UINT>& out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectCommands(sub, out);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1)) out.push_back(id);
    }
}

std::vector<UINT> CommandsOf(HMENU menu) {
    std::vector<UINT> ids;
    CollectCommands(menu, ids);
    return ids;
}

bool Contains(const std::vector<UINT>& ids, UINT id) {
    for (UINT each : ids)
        if (each == id) return true;
    return false;
}

std::wstring MenuText(HMENU menu, UINT id, UINT flags) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, id, text, 128, flags);
    return text;
}

// ---------------------------------------------------------------------------------------------
// The popups of IDR_MENU_KAPS
// ---------------------------------------------------------------------------------------------

struct KapPopup {
    const char* kap;
    int position; // 1-based, as the kap picks it
    UINT topMost, lock, del;
    std::vector<UINT> own; // the kap's own commands, in any order
};

const std::vector<KapPopup>& KapPopups() {
    static const std::vector<KapPopup> popups = {
        {"note",
         IDM_POPUP_NOTE + 1,
         ID_NOTE_TOPMOST,
         ID_NOTE_LOCK,
         ID_NOTE_DELETE,
         {ID_NOTE_COPY,
          ID_NOTE_PASTE,
          ID_NOTE_CLEAR,
          ID_NOTE_BACKGROUND_DEFAULT,
          ID_NOTE_BACKGROUND_USER1,
          ID_NOTE_BACKGROUND_USER2,
          ID_NOTE_BACKGROUND_USER3,
          ID_NOTE_BACKGROUND_USER4,
          ID_NOTE_FONT_ARIAL,
          ID_NOTE_FONT_COURIER,
          ID_NOTE_COLOR_BLACK,
          ID_NOTE_COLOR_RED,
          ID_NOTE_COLOR_BLUE,
          ID_NOTE_COLOR_WHITE,
          ID_NOTE_STYLE_REGULAR,
          ID_NOTE_STYLE_BOLD,
          ID_NOTE_STYLE_ITALIC,
          ID_NOTE_SIZE_8,
          ID_NOTE_SIZE_10,
          ID_NOTE_SIZE_12,
          ID_NOTE_SIZE_14,
          ID_NOTE_SIZE_16,
          ID_NOTE_SIZE_20,
          ID_NOTE_REMINDER,
          ID_NOTE_REMOVE_LINK}},
        {"photo album",
         IDM_POPUP_PHOTOALBUM + 1,
         ID_PHOTOALBUM_TOPMOST,
         ID_PHOTOALBUM_LOCK,
         ID_PHOTOALBUM_DELETE,
         {ID_PHOTOALBUM_PAUSE, ID_PHOTOALBUM_ZOOM_50, ID_PHOTOALBUM_ZOOM_100, ID_PHOTOALBUM_ZOOM_150,
          ID_PHOTOALBUM_ZOOM_200, ID_PHOTOALBUM_LOAD_FOLDER, ID_PHOTOALBUM_INTERVAL_5S, ID_PHOTOALBUM_INTERVAL_15S,
          ID_PHOTOALBUM_INTERVAL_30S, ID_PHOTOALBUM_INTERVAL_1M, ID_PHOTOALBUM_INTERVAL_5M,
          ID_PHOTOALBUM_INTERVAL_10M}},
        {"calculator", IDM_POPUP_CALC + 1, ID_CALC_TOPMOST, ID_CALC_LOCK, ID_CALC_DELETE, {}},
        {"clock",
         IDM_POPUP_CLOCK + 1,
         ID_CLOCK_TOPMOST,
         ID_CLOCK_LOCK,
         ID_CLOCK_DELETE,
         {ID_CLOCK_CHRONO, ID_CLOCK_RESET}},
        {"calendar",
         IDM_POPUP_CALENDAR + 1,
         ID_CALENDAR_TOPMOST,
         ID_CALENDAR_LOCK,
         ID_CALENDAR_DELETE,
         {ID_CALENDAR_PREVIOUS_MONTH, ID_CALENDAR_NEXT_MONTH}},
        {"RSS reader",
         IDM_POPUP_NEWS + 1,
         ID_NEWS_TOPMOST,
         ID_NEWS_LOCK,
         ID_NEWS_DELETE,
         {ID_NEWS_UPDATE, ID_NEWS_INTERVAL_5M, ID_NEWS_INTERVAL_30M, ID_NEWS_INTERVAL_60M, ID_NEWS_SETTINGS}},
        {"media player remote",
         IDM_POPUP_REMOTEWMP + 1,
         ID_REMOTEWMP_TOPMOST,
         ID_REMOTEWMP_LOCK,
         ID_REMOTEWMP_DELETE,
         {ID_REMOTEWMP_PLAY, ID_REMOTEWMP_STOP, ID_REMOTEWMP_FORWARD, ID_REMOTEWMP_REVERSE, ID_REMOTEWMP_NEXT,
          ID_REMOTEWMP_PREVIOUS, ID_REMOTEWMP_LOAD_FILE, ID_REMOTEWMP_LOAD_FOLDER, ID_REMOTEWMP_SHOW_PLAYER,
          ID_REMOTEWMP_HIDE_PLAYER, ID_REMOTEWMP_FULL_SCREEN}},
        {"mail alert",
         IDM_POPUP_MAIL + 1,
         ID_MAIL_TOPMOST,
         ID_MAIL_LOCK,
         ID_MAIL_DELETE,
         {ID_MAIL_UPDATE, ID_MAIL_SEND, ID_MAIL_OPTIONS}},
        {"web search", IDM_POPUP_GOOGLE + 1, ID_GOOGLE_TOPMOST, ID_GOOGLE_LOCK, ID_GOOGLE_DELETE, {ID_GOOGLE_OPEN}},
        {"link folder",
         IDM_POPUP_LINK + 1,
         ID_LINK_TOPMOST,
         ID_LINK_LOCK,
         ID_LINK_DELETE,
         {ID_LINK_ADD, ID_LINK_EDIT, ID_LINK_DELETE_ITEM, ID_LINK_MOVE_UP, ID_LINK_MOVE_DOWN}},
        {"weather",
         IDM_POPUP_WEATHER + 1,
         ID_WEATHER_TOPMOST,
         ID_WEATHER_LOCK,
         ID_WEATHER_DELETE,
         {ID_WEATHER_UPDATE, ID_WEATHER_OPTIONS}},
        {"account book",
         IDM_POPUP_ACCOUNT + 1,
         ID_ACCOUNT_TOPMOST,
         ID_ACCOUNT_LOCK,
         ID_ACCOUNT_DELETE,
         {ID_ACCOUNT_ADD_LINE, ID_ACCOUNT_EDIT_LINE, ID_ACCOUNT_CHECK_LINE, ID_ACCOUNT_DELETE_LINE,
          ID_ACCOUNT_PREVIOUS_MONTH, ID_ACCOUNT_NEXT_MONTH, ID_ACCOUNT_SHOW_CHECKED, ID_ACCOUNT_LOAD, ID_ACCOUNT_SAVE,
          ID_ACCOUNT_SETUP}},
        {"trash", IDM_POPUP_TRASH + 1, ID_TRASH_TOPMOST, ID_TRASH_LOCK, ID_TRASH_DELETE, {ID_TRASH_EMPTY}},
    };
    return popups;
}

// The identifiers named in resource.h must be the documented numbers.
static_assert(ID_NOTE_TOPMOST == 300 && ID_NOTE_LOCK == 162 && ID_NOTE_DELETE == 139, "note");
static_assert(ID_TRASH_TOPMOST == 332 && ID_TRASH_LOCK == 333 && ID_TRASH_DELETE == 334, "trash");
static_assert(ID_APP_OPTIONS == 130 && ID_APP_EXIT == 131 && IDD_ALARM == 108 && IDD_SETUP == 161, "app");

TEST(MenuResource, HasSixteenPopups) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    ASSERT_EQ(GetMenuItemCount(menu.get()), IDM_POPUP_COUNT);
    for (int i = 0; i < IDM_POPUP_COUNT; ++i) EXPECT_NE(GetSubMenu(menu.get(), i), nullptr) << "position " << i + 1;
}

TEST(MenuResource, TrayMenuStartsWithTheNewSubMenu) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    HMENU tray = GetSubMenu(menu.get(), IDM_POPUP_TRAY);
    ASSERT_NE(tray, nullptr);
    HMENU newMenu = GetSubMenu(tray, IDM_TRAY_NEW);
    ASSERT_NE(newMenu, nullptr);
    EXPECT_EQ(MenuText(tray, IDM_TRAY_NEW, MF_BYPOSITION), L"New");

    std::vector<UINT> direct;
    for (int i = 0; i < GetMenuItemCount(newMenu); ++i) direct.push_back(GetMenuItemID(newMenu, i));
    // Account book, calculator, calendar, clock, web search, link folder, mail alert, RSS reader,
    // note, photo album, media player remote, trash, weather; then the new shortcut.
    for (UINT id :
         {ID_NEW_ACCOUNT, ID_NEW_CALC, ID_NEW_CALENDAR, ID_NEW_CLOCK, ID_NEW_GOOGLE, ID_NEW_LINK, ID_NEW_MAIL,
          ID_NEW_NEWS, ID_NEW_NOTE, ID_NEW_PHOTOALBUM, ID_NEW_REMOTEWMP, ID_NEW_TRASH, ID_NEW_WEATHER, ID_NEW_SHORTCUT})
        EXPECT_TRUE(Contains(direct, id)) << "new-kap command " << id;
    EXPECT_TRUE(GetMenuState(newMenu, ID_NEW_SHORTCUT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(newMenu, ID_NEW_NOTE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(MenuResource, TrayMenuHoldsEveryControllerCommand) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    const std::vector<UINT> ids = CommandsOf(GetSubMenu(menu.get(), IDM_POPUP_TRAY));
    for (UINT id :
         {ID_OPEN_TRASH, ID_SHOW_DESKTOP, ID_SHOW_WINDOWS, ID_TOGGLE_TASKBAR, ID_ALL_TO_BACK, ID_ALL_TO_FRONT,
          ID_LOCK_ALL, ID_UNLOCK_ALL, ID_ONEWIN_MODE, ID_KILLNEWWIN_MODE, ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE,
          ID_WINDOWS_MINIMIZE, ID_WINDOWS_MAXIMIZE, ID_WINDOWS_REDUCE, ID_WINDOWS_CLOSE, ID_APP_OPTIONS, ID_APP_EXIT})
        EXPECT_TRUE(Contains(ids, id)) << "command " << id;
    EXPECT_EQ(GetMenuItemID(GetSubMenu(menu.get(), IDM_POPUP_TRAY),
                            GetMenuItemCount(GetSubMenu(menu.get(), IDM_POPUP_TRAY)) - 1),
              static_cast<UINT>(ID_APP_EXIT));
}

TEST(MenuResource, KapPopupsEndWithTopMostLockAndDelete) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    for (const KapPopup& kap : KapPopups()) {
        SCOPED_TRACE(kap.kap);
        HMENU popup = GetSubMenu(menu.get(), kap.position - 1);
        ASSERT_NE(popup, nullptr);
        const int n = GetMenuItemCount(popup);
        ASSERT_GE(n, 3);
        EXPECT_EQ(GetMenuItemID(popup, n - 3), kap.topMost);
        EXPECT_EQ(GetMenuItemID(popup, n - 2), kap.lock);
        EXPECT_EQ(GetMenuItemID(popup, n - 1), kap.del);
        const std::vector<UINT> ids = CommandsOf(popup);
        for (UINT id : kap.own) EXPECT_TRUE(Contains(ids, id)) << "command " << id;
        EXPECT_EQ(ids.size(), kap.own.size() + 3) << "commands that belong to no table";
    }
}

TEST(MenuResource, BarPopupsHoldTheirCommands) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    const std::map<int, std::vector<UINT>> bars = {
        {IDM_POPUP_WINDOW_TILE, {ID_TILE_NORMAL, ID_TILE_MINIMIZED, ID_TILE_MAXIMIZED, ID_TILE_CLOSE}},
        {IDM_POPUP_DOCK_ICON, {ID_DOCK_ICON_EDIT, ID_DOCK_ICON_REMOVE, ID_DOCK_LOCK}},
    };
    for (const auto& [position, expected] : bars) {
        SCOPED_TRACE(position + 1);
        EXPECT_EQ(CommandsOf(GetSubMenu(menu.get(), position)), expected);
    }
}

TEST(MenuResource, NoCommandIdentifierIsUsedTwice) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    std::set<UINT> seen;
    for (UINT id : CommandsOf(menu.get())) EXPECT_TRUE(seen.insert(id).second) << "command " << id;
}

TEST(MenuResource, QuotedLabelsAreExact) {
    LoadedMenu menu;
    ASSERT_NE(menu.get(), nullptr);
    const std::map<UINT, std::wstring> labels = {
        {ID_ONEWIN_MODE, L"OneWIN Mode"},
        {ID_KILLNEWWIN_MODE, L"KillNewWin Mode"},
        {ID_CLOCK_CHRONO, L"Chrono"},
        {ID_GOOGLE_OPEN, L"Google"},
        {ID_NOTE_FONT_ARIAL, L"Arial"},
        {ID_NOTE_FONT_COURIER, L"Courier New"},
        {ID_NOTE_BACKGROUND_USER1, L"User 1"},
        {ID_PHOTOALBUM_ZOOM_50, L"50 %"},
        {ID_PHOTOALBUM_ZOOM_200, L"200 %"},
        {ID_PHOTOALBUM_INTERVAL_5S, L"5 sec"},
        {ID_PHOTOALBUM_INTERVAL_10M, L"10 min"},
        {ID_NEWS_INTERVAL_5M, L"5 Min"},
        {ID_NEWS_INTERVAL_30M, L"30 Min"},
        {ID_NEWS_INTERVAL_60M, L"60 Min"},
        {ID_REMOTEWMP_PLAY, L"Play / Pause"},
    };
    for (const auto& [id, text] : labels) EXPECT_EQ(MenuText(menu.get(), id, MF_BYCOMMAND), text) << "command " << id;
}

// ---------------------------------------------------------------------------------------------
// Dialog templates
// ---------------------------------------------------------------------------------------------

struct DialogExpectation {
    const char* name;
    UINT id;
    const wchar_t* caption; // null: a window without caption
    std::vector<int> controls;
};

const std::vector<DialogExpectation>& ModalDialogs() {
    static const std::vector<DialogExpectation> dialogs = {
        {"alarm",
         IDD_ALARM,
         L"Alarm Setup",
         {IDC_ALARM_ENABLE, IDC_ALARM_DATE, IDC_ALARM_HOUR, IDC_ALARM_MINUTE, IDOK, IDCANCEL}},
        {"setup",
         IDD_SETUP,
         L"VimoKap Options",
         {IDC_SETUP_SKIN,
          IDC_SETUP_DOCK_DELAY,
          IDC_SETUP_CREATE_X,
          IDC_SETUP_CREATE_Y,
          IDC_SETUP_BAR_DELAY,
          IDC_SETUP_DOCK_TOPMOST,
          IDC_SETUP_DOCK_AUTOHIDE,
          IDC_SETUP_BAR_AUTOHIDE,
          IDC_SETUP_DETECT_DELAY,
          IDC_SETUP_DOCK_TRIGGER,
          IDC_SETUP_EXCLUDE_ADD,
          IDC_SETUP_BAR_TOPMOST,
          IDC_SETUP_ONEWIN,
          IDC_SETUP_HIDE_TASKBAR,
          IDC_SETUP_LOAD_BAR,
          IDC_SETUP_LOAD_DOCK,
          IDC_SETUP_RUNNING,
          IDC_SETUP_EXCLUDED,
          IDC_SETUP_EXCLUDE_REMOVE,
          IDC_SETUP_DOCK_FADE,
          IDC_SETUP_BAR_FADE,
          IDC_SETUP_BAR_TRIGGER,
          IDC_SETUP_MINIMIZE_MAXIMIZED,
          IDC_SETUP_KILLNEWWIN,
          IDC_SETUP_KILL_APP,
          IDC_SETUP_KILL_APP_BROWSE,
          IDOK,
          IDCANCEL}},
        {"feed address", IDD_URL_CONFIG, L"RSS Feed", {IDC_URL_ADDRESS, IDC_URL_ACTIVE, IDOK, IDCANCEL}},
        {"weather",
         IDD_WEATHER_CONFIG,
         L"Weather Options",
         {IDC_WEATHER_ACTIVE, IDC_WEATHER_CODE, IDC_WEATHER_COUNTRY, IDC_WEATHER_GO, IDC_WEATHER_RESULTS,
          IDC_WEATHER_CELSIUS, IDOK, IDCANCEL}},
        {"mail",
         IDD_MAIL_CONFIG,
         L"Mail Alert Setup",
         {IDC_MAIL_NAME, IDC_MAIL_PROGRAM, IDC_MAIL_PROGRAM_BROWSE, IDC_MAIL_SERVER, IDC_MAIL_LOGIN, IDC_MAIL_PASSWORD,
          IDC_MAIL_INTERVAL, IDOK, IDCANCEL}},
        {"account line",
         IDD_ACCOUNT_EDIT,
         L"Edit Line",
         {IDC_ACCOUNT_LABEL, IDC_ACCOUNT_DATE, IDC_ACCOUNT_IN, IDC_ACCOUNT_OUT, IDC_ACCOUNT_CHECKED, IDOK, IDCANCEL}},
        {"account book", IDD_ACCOUNT_CONFIG, L"Account", {IDC_ACCOUNT_NAME, IDC_ACCOUNT_CURRENCY, IDOK, IDCANCEL}},
        {"link", IDD_LINK_CONFIG, L"Link", {IDC_LINK_TITLE, IDC_LINK_URL, IDOK, IDCANCEL}},
        {"dock icon",
         IDD_DOCK_ICON_CONFIG,
         L"Icon Setup",
         {IDC_ICON_IMAGE, IDC_ICON_IMAGE_BROWSE, IDC_ICON_ACTION, IDC_ICON_PARAMETER, IDC_ICON_PARAMETER_BROWSE,
          IDC_ICON_TITLE, IDOK, IDCANCEL}},
    };
    return dialogs;
}

// Templates of windows that the program draws itself.
const std::vector<DialogExpectation>& ControlLessWindows() {
    static const std::vector<DialogExpectation> windows = {
        {"controller", IDD_CONTROLLER, nullptr, {}},
        {"kap", IDD_KAP, nullptr, {}},
        {"video", IDD_REMOTE_VIDEO, nullptr, {}},
    };
    return windows;
}

class DialogResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&init);
    }
};

TEST_F(DialogResources, EveryTemplateIsPresent) {
    for (const auto* table : {&ModalDialogs(), &ControlLessWindows()})
        for (const DialogExpectation& dialog : *table)
            EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(dialog.id), MAKEINTRESOURCEW(5) /* RT_DIALOG */),
                      nullptr)
                << dialog.name;
}

TEST_F(DialogResources, ModalDialogsCreateWithTheirControls) {
    for (const DialogExpectation& want : ModalDialogs()) {
        SCOPED_TRACE(want.name);
        DialogWindow dialog(want.id);
        ASSERT_NE(dialog.get(), nullptr);
        wchar_t caption[64] = {};
        GetWindowTextW(dialog.get(), caption, 64);
        EXPECT_STREQ(caption, want.caption);
        EXPECT_EQ(GetWindowLongPtrW(dialog.get(), GWL_STYLE) & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));
        for (int id : want.controls) EXPECT_NE(GetDlgItem(dialog.get(), id), nullptr) << "control " << id;
    }
}

TEST_F(DialogResources, DatePickersAreDateTimePickerControls) {
    const std::vector<std::pair<UINT, int>> pickers = {{IDD_ALARM, IDC_ALARM_DATE},
                                                       {IDD_ACCOUNT_EDIT, IDC_ACCOUNT_DATE}};
    for (const auto& [dialogId, controlId] : pickers) {
        DialogWindow dialog(dialogId);
        ASSERT_NE(dialog.get(), nullptr);
        wchar_t className[64] = {};
        GetClassNameW(GetDlgItem(dialog.get(), controlId), className, 64);
        EXPECT_STREQ(className, L"SysDateTimePick32") << "dialog " << dialogId;
    }
}

TEST_F(DialogResources, ControlLessTemplatesArePopupToolWindows) {
    for (const DialogExpectation& want : ControlLessWindows()) {
        SCOPED_TRACE(want.name);
        DialogWindow window(want.id);
        ASSERT_NE(window.get(), nullptr);
        const LONG_PTR style = GetWindowLongPtrW(window.get(), GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_FALSE(style & WS_CAPTION);
        EXPECT_FALSE(style & WS_VISIBLE);
        EXPECT_TRUE(GetWindowLongPtrW(window.get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(GetWindow(window.get(), GW_CHILD), nullptr);
        EXPECT_EQ(GetParent(window.get()), nullptr);
    }
}

TEST_F(DialogResources, ControllerCarriesTheKapMenu) {
    DialogWindow controller(IDD_CONTROLLER);
    ASSERT_NE(controller.get(), nullptr);
    HMENU menu = GetMenu(controller.get());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), IDM_POPUP_COUNT);
}

TEST_F(DialogResources, QuotedDialogTextsAreExact) {
    const std::vector<std::tuple<UINT, int, std::wstring>> texts = {
        {IDD_WEATHER_CONFIG, IDC_WEATHER_ACTIVE, L"Active"},
        {IDD_WEATHER_CONFIG, IDC_WEATHER_GO, L"Go"},
        {IDD_WEATHER_CONFIG, IDC_WEATHER_CELSIUS, L"Convert \u00B0F to \u00B0C"},
        {IDD_SETUP, IDC_SETUP_ONEWIN, L"OneWIN Mode"},
        {IDD_SETUP, IDC_SETUP_KILLNEWWIN, L"Kill NewWIN Mode"},
        {IDD_SETUP, IDC_SETUP_KILL_APP_BROWSE, L"..."},
        {IDD_MAIL_CONFIG, IDC_MAIL_PROGRAM_BROWSE, L"..."},
    };
    for (const auto& [dialogId, controlId, expected] : texts) {
        DialogWindow dialog(dialogId);
        ASSERT_NE(dialog.get(), nullptr);
        wchar_t text[64] = {};
        GetDlgItemTextW(dialog.get(), controlId, text, 64);
        EXPECT_EQ(std::wstring(text), expected) << "dialog " << dialogId << " control " << controlId;
    }
}

TEST_F(DialogResources, PasswordIsMaskedAndCountryCodeReadOnly) {
    DialogWindow mail(IDD_MAIL_CONFIG);
    ASSERT_NE(mail.get(), nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(mail.get(), IDC_MAIL_PASSWORD), GWL_STYLE) & ES_PASSWORD);
    DialogWindow weather(IDD_WEATHER_CONFIG);
    ASSERT_NE(weather.get(), nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(weather.get(), IDC_WEATHER_CODE), GWL_STYLE) & ES_READONLY);
}

// ---------------------------------------------------------------------------------------------
// Other resources and the message numbers
// ---------------------------------------------------------------------------------------------

TEST(OtherResources, IconTitleVersionAndManifestArePresent) {
    EXPECT_NE(LoadIconW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME)), nullptr);
    wchar_t title[32] = {};
    EXPECT_GT(LoadStringW(Module(), IDS_APP_TITLE, title, 32), 0);
    EXPECT_STREQ(title, L"VimoKap");
    EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */), nullptr);
    EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */), nullptr);
}

static_assert(kWmUser == WM_USER, "the portable WM_USER must be the platform's");

TEST(Messages, InterPartMessagesAreDistinctPrivateMessages) {
    const std::vector<unsigned> messages = {
        WMU_NOTE_DELETED,
        WMU_PHOTOALBUM_DELETED,
        WMU_CALC_DELETED,
        WMU_CLOCK_DELETED,
        WMU_CALENDAR_DELETED,
        WMU_NEWS_DELETED,
        WMU_REMOTEWMP_DELETED,
        WMU_MAIL_DELETED,
        WMU_GOOGLE_DELETED,
        WMU_LINK_DELETED,
        WMU_WEATHER_DELETED,
        WMU_ACCOUNT_DELETED,
        WMU_TRASH_DELETED,
        WMU_ALARMS_CHANGED,
        WMU_KAP_DROP,
        WMU_EDIT_CHANGED,
        WMU_EDIT_TEXT,
        WMU_NEWS_HSCROLL,
        WMU_MAIL_RECHECK,
        WMU_WMP_PLAY,
        WMU_WMP_STOP,
        WMU_WMP_PREVIOUS,
        WMU_WMP_NEXT,
        WMU_WMP_REVERSE,
        WMU_WMP_FORWARD,
        WMU_REMOTEWIN_VSCROLL,
        WMU_HOOK_WINDOW_CHANGED,
        WMU_HOOK_WINDOW_BORN_OR_GONE,
    };
    std::set<unsigned> seen;
    for (unsigned message : messages) {
        EXPECT_GE(message, static_cast<unsigned>(WM_USER)) << message;
        EXPECT_LT(message, 0x8000u) << message; // below WM_APP
        EXPECT_TRUE(seen.insert(message).second) << "message " << message << " used twice";
    }
}

} // namespace
} // namespace vimo
