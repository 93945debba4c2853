#include "app/controller_win.h"

#include <ctime>

#include "app/kap_factories_win.h"
#include "app/vimo_kap_setup_win.h"
#include "app/reminder.h"
#include "base/messages.h"
#include "base/path_kind_win.h"
#include "kapframe/tray_menu_win.h"
#include "base/resource.h"
#include "base/problem_log.h"
#include "base/profile_store_win.h"
#include "kapframe/settings.h"
#include "wnd/menu_handle_win.h"
#include "bars/dock/vimo_remote_kap_win.h"
#include "bars/window_bar/vimo_remote_win_win.h"
#include "layer/layer_host_win.h"
#include "layer/live_objects.h"

namespace vimo {

namespace {

constexpr int kSurfaceSize = 10;
const char kAppName[] = "VimoKap";

} // namespace

ControllerWindow::ControllerWindow(Settings& settings) : Dialog(IDD_CONTROLLER), settings_(settings) {}

ControllerWindow::~ControllerWindow() = default;

UINT ControllerWindow::TrayMessage() {
    static const UINT message = RegisterWindowMessageA(kTaskbarIconMessageName);
    return message;
}

template <typename F> void ControllerWindow::ForEachKap(F f) {
    for (auto& list : kaps_)
        for (auto& kap : list) f(*kap);
}

BOOL ControllerWindow::OnInitDialog() {
    HWND hwnd = Hwnd();
    icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    tray_.Add(hwnd, TrayMessage(), icon_, kAppName);
    if (!tray_.Shown()) SetTimer(hwnd, kTrayTimer, kTrayRetryPeriod, nullptr);
    shellWatch_ = std::make_unique<ShellWatch>([this] { SaveEverything(); }, [this] { RestoreTrayIcon(); });

    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    layer_ = std::make_unique<CLayerHost>(hwnd); // no items: a transparent 10 x 10 surface
    layer_->SetSize(kSurfaceSize, kSurfaceSize);
    layer_->SetConstantAlpha(255);
    SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, kSurfaceSize, kSurfaceSize, SWP_NOACTIVATE | SWP_FRAMECHANGED);
    layer_->Refresh();

    if (settings_.hideTaskbarOnStartup) ShowTaskbar(false);
    if (settings_.loadRemoteKap) CreateDock();
    if (settings_.loadRemoteWin) CreateWindowBar();
    LoadAllKaps();
    if (HWND progman = FindWindowA("Progman", nullptr)) SetParent(hwnd, progman);
    SetTimer(hwnd, kReminderTimer, kReminderPeriod, nullptr);
    SetTimer(hwnd, kSaveTimer, kSavePeriod, nullptr);
    return TRUE;
}

bool ControllerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (msg == TrayMessage()) {
        OnTrayEvent(static_cast<UINT>(lParam));
        return true;
    }
    if (msg == WM_CLOSE) return true; // the controller lives until Exit
    static const UINT liveObjectsMessage = RegisterWindowMessageA(kLiveObjectsMessageName);
    if (msg == liveObjectsMessage) {
        result = LiveCount(wParam == 0 ? LiveKind::Gdi : LiveKind::Gdiplus);
        return true;
    }
    if (auto type = KapTypeFromDeletedMessage(msg)) {
        RemoveKap(*type, wParam);
        return true;
    }
    if (msg == WMU_ALARMS_CHANGED) {
        RefreshCalendars();
        return true;
    }
    return false;
}

void ControllerWindow::OnTrayEvent(UINT event) {
    switch (event) {
    case WM_LBUTTONDOWN:
        clickPending_ = true;
        SetTimer(Hwnd(), kClickTimer, kClickDelay, nullptr);
        break;
    case WM_LBUTTONDBLCLK:
        clickPending_ = false;
        CreateKap(KapType::Note);
        break;
    case WM_RBUTTONDOWN: ShowTrayMenu(); break;
    default: break;
    }
}

void ControllerWindow::ShowTrayMenu() {
    HWND hwnd = Hwnd();
    SetForegroundWindow(hwnd);
    POINT cursor = {};
    GetCursorPos(&cursor);
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), IDM_POPUP_TRAY) : nullptr;
    if (!popup) return;
    PrepareTrayMenu(popup, HasWindowBar(), settings_);
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, hwnd, nullptr);
    PostMessageA(hwnd, WM_NULL, 0, 0); // lets the menu close when the user clicks elsewhere
}

bool ControllerWindow::OnCommand(UINT id, UINT, HWND) {
    if (auto type = KapTypeFromCommand(id)) {
        CreateKap(*type);
        return true;
    }
    switch (id) {
    case ID_OPEN_TRASH: CreateKap(KapType::Trash); return true;
    case ID_SHOW_DESKTOP: ShowDesktop(); return true;
    case ID_SHOW_WINDOWS: ShowWindows(); return true;
    case ID_TOGGLE_TASKBAR:
        if (HWND taskbar = TaskbarWindow()) ShowTaskbar(!IsWindowVisible(taskbar));
        return true;
    case ID_ALL_TO_BACK: ForEachKap([](Kap& kap) { kap.SendToDesktop(); }); return true;
    case ID_ALL_TO_FRONT:
        SetForegroundWindow(Hwnd());
        ForEachKap([](Kap& kap) { kap.Raise(); });
        return true;
    case ID_LOCK_ALL:
    case ID_UNLOCK_ALL: ForEachKap([id](Kap& kap) { kap.SetLocked(id == ID_LOCK_ALL); }); return true;
    case ID_ONEWIN_MODE:
        settings_.remoteWinOneWinMode = !settings_.remoteWinOneWinMode;
        if (bar_) bar_->FollowOneWindowMode();
        return true;
    case ID_WINDOWS_NORMAL:
    case ID_WINDOWS_RESTORE:
    case ID_WINDOWS_MINIMIZE:
    case ID_WINDOWS_MAXIMIZE:
    case ID_WINDOWS_CLOSE: RunWindowBarCommand(id); return true;
    case ID_KILLNEWWIN_MODE: settings_.remoteWinKillNewWinMode = !settings_.remoteWinKillNewWinMode; return true;
    case ID_APP_OPTIONS: OpenSetup(); return true;
    case ID_APP_EXIT: Exit(); return true;
    default: return false;
    }
}

void ControllerWindow::OnTimer(UINT_PTR id) {
    switch (id) {
    case kClickTimer:
        KillTimer(Hwnd(), kClickTimer);
        if (clickPending_) {
            clickPending_ = false;
            if (desktopShown_) {
                desktopShown_ = false;
                ShowWindows();
            } else {
                desktopShown_ = true;
                ShowDesktop();
            }
        }
        break;
    case kReminderTimer:
        CheckReminders();
        if (!unread_.empty()) RetryUnreadDocuments();
        break;
    case kSaveTimer: SaveAllKaps(); break;
    case kTrayTimer:
        if (tray_.Add()) KillTimer(Hwnd(), kTrayTimer);
        break;
    default: break;
    }
}

bool ControllerWindow::CanCreate(KapType type) const { return FactoryOf(type) != nullptr; }

std::vector<Kap*> ControllerWindow::KapsOf(KapType type) const {
    std::vector<Kap*> kaps;
    for (const auto& kap : kaps_[Index(type)]) kaps.push_back(kap.get());
    return kaps;
}

Kap* ControllerWindow::CreateKap(KapType type) {
    KapFactory factory = FactoryOf(type);
    auto& list = kaps_[Index(type)];
    if (!factory || (InfoOf(type).single && !list.empty())) return nullptr;
    std::unique_ptr<Kap> kap = factory(*this, settings_, std::string());
    if (!kap) return nullptr;
    ShowWindow(kap->Hwnd(), SW_SHOWNORMAL);
    list.push_back(std::move(kap));
    SetForegroundWindow(Hwnd());
    list.back()->Raise();
    return list.back().get();
}

bool ControllerWindow::RestoreKap(KapType type, const std::string& documentPath) {
    KapFactory factory = FactoryOf(type);
    auto& list = kaps_[Index(type)];
    if (!factory || (InfoOf(type).single && !list.empty())) return false;
    std::unique_ptr<Kap> kap = factory(*this, settings_, documentPath);
    if (!kap) return false;
    ShowWindow(kap->Hwnd(), SW_SHOWNORMAL);
    list.push_back(std::move(kap));
    list.back()->Raise();
    if (type == KapType::Note) RefreshCalendars(); // its reminder is back on the calendars
    return true;
}

void ControllerWindow::LoadKaps(KapType type) {
    KapFactory factory = FactoryOf(type);
    if (!factory) return;
    const std::string folder = settings_.programDir + "\\Notes\\";
    // The names are collected before any kap is made: a kap that renames its document or claims a
    // new name writes into this folder, and a listing still open could return that name again.
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "*." + InfoOf(type).tag).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (KapTypeFromFileName(found.cFileName) == type) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    for (const std::string& name : names)
        if (!LoadKap(type, folder + name)) unread_.emplace_back(type, folder + name);
}

bool ControllerWindow::LoadKap(KapType type, const std::string& path) {
    KapFactory factory = FactoryOf(type);
    auto& list = kaps_[Index(type)];
    if (!factory || (InfoOf(type).single && !list.empty())) return true;
    std::unique_ptr<Kap> kap = factory(*this, settings_, path);
    if (!kap) {
        // A document that is there but cannot be read now (another program holds it) is tried
        // again later; it is never replaced by an empty kap.
        if (PathExists(path)) return false;
        return true;
    }
    ShowWindow(kap->Hwnd(), SW_SHOWNOACTIVATE);
    list.push_back(std::move(kap));
    list.back()->SendToDesktop();
    return true;
}

void ControllerWindow::RetryUnreadDocuments() {
    std::vector<std::pair<KapType, std::string>> waiting;
    waiting.swap(unread_);
    for (auto& [type, path] : waiting)
        if (!LoadKap(type, path)) unread_.emplace_back(type, path);
}

void ControllerWindow::LoadAllKaps() {
    for (const KapTypeInfo& info : AllKapTypes()) LoadKaps(info.type);
}

void ControllerWindow::RemoveKap(KapType type, WPARAM kapParam) {
    auto& list = kaps_[Index(type)];
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (reinterpret_cast<WPARAM>(it->get()) != kapParam) continue;
        std::unique_ptr<Kap> kap = std::move(*it);
        list.erase(it);
        kap.reset(); // made whole by its factory: the window goes first, while the whole kap lives
        break;
    }
    if (type == KapType::Note) RefreshCalendars();
    ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
}

std::vector<ScreenRect> ControllerWindow::BarRects() const {
    std::vector<ScreenRect> rects;
    for (const CLaunchBar* bar :
         {static_cast<const CLaunchBar*>(dock_.get()), static_cast<const CLaunchBar*>(bar_.get())}) {
        if (!bar || !bar->Hwnd() || !IsWindowVisible(bar->Hwnd())) continue;
        RECT r = {};
        GetWindowRect(bar->Hwnd(), &r);
        rects.push_back(ScreenRect{r.left, r.top, r.right, r.bottom});
    }
    return rects;
}

void ControllerWindow::SaveSettings() {
    BatchedProfileStore store;
    settings_.Save(store);
    if (!store.Commit()) LogProblem("settings: " + settings_.IniPath() + " could not be written");
}

bool ControllerWindow::SaveAllKaps() {
    // Exit's order: the lists up to the link folder, then trash, mail alert, web search, media player remote.
    static const KapType order[] = {KapType::Note,     KapType::PhotoAlbum, KapType::Calc,     KapType::Clock,
                                    KapType::Weather,  KapType::Account,    KapType::Calendar, KapType::News,
                                    KapType::Link,     KapType::Trash,      KapType::Mail,     KapType::Google,
                                    KapType::RemoteWmp};
    bool all = true;
    for (KapType type : order)
        for (auto& kap : kaps_[Index(type)]) all = kap->SaveDocument() && all;
    return all;
}

HWND ControllerWindow::WindowWithOpenDialog() const {
    std::vector<HWND> windows;
    for (const auto& list : kaps_)
        for (const auto& kap : list) windows.push_back(kap->Hwnd());
    if (dock_) windows.push_back(dock_->Hwnd());
    if (bar_) windows.push_back(bar_->Hwnd());
    for (HWND window : windows)
        if (window && !IsWindowEnabled(window)) return window;
    return nullptr;
}

void ControllerWindow::OpenSetup() {
    if (setupOpen_) return; // the tray and the dock may both ask for it
    // A kap, the dock or the window bar with a dialog of its own open is in the middle of a call
    // that the rebuild would pull its window from under: the user finishes that dialog first.
    if (HWND busy = WindowWithOpenDialog()) {
        SetForegroundWindow(GetLastActivePopup(busy));
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    setupOpen_ = true;
    SaveAllKaps();
    CVimoKapSetup dialog(settings_);
    const INT_PTR result = dialog.DoModal(Hwnd());
    setupOpen_ = false;
    if (result != IDOK) return;
    if (bar_) bar_->SaveDocument(); // its place, into the settings
    SaveSettings();
    WinProfileStore store;
    // A kap whose document could not be written now keeps its window: the new skin shows at the next
    // start rather than a change being lost.
    if (!SaveAllKaps()) return;
    if (dock_) dock_->SaveDocument();
    DestroyAllKaps();
    dock_.reset();
    bar_.reset();
    settings_.skins.Load(store, settings_.SkinDir());
    if (settings_.loadRemoteKap) CreateDock();
    if (settings_.loadRemoteWin) CreateWindowBar();
    LoadAllKaps();
}

// The shell started again and has forgotten the icon, the only way to reach Exit.
void ControllerWindow::RestoreTrayIcon() {
    tray_.Restore();
    if (!tray_.Shown()) SetTimer(Hwnd(), kTrayTimer, kTrayRetryPeriod, nullptr);
}

void ControllerWindow::SaveEverything() {
    if (bar_) bar_->SaveDocument(); // its place, into the settings
    SaveSettings();
    SaveAllKaps();
    if (dock_) dock_->SaveDocument();
}

void ControllerWindow::CheckReminders() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_s(&local, &now);
    const LocalMinute minute = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
    for (auto& note : kaps_[Index(KapType::Note)])
        if (AlarmIsDue(note->AlarmStamp(), minute)) note->Ring();
}

void ControllerWindow::RefreshCalendars() {
    for (auto& calendar : kaps_[Index(KapType::Calendar)]) calendar->RefreshAlarmMarks();
}

void ControllerWindow::ShowDesktop() {
    ForEachKap([](Kap& kap) { kap.SendToDesktop(); });
    desktop_.MinimizeAll();
}

void ControllerWindow::ShowWindows() { desktop_.UndoMinimizeAll(); }

void ControllerWindow::Exit() {
    if (HWND taskbar = TaskbarWindow(); taskbar && !IsWindowVisible(taskbar)) ShowTaskbar(true);
    SaveSettings();
    SaveAllKaps();
    for (auto& kap : kaps_[Index(KapType::RemoteWmp)]) kap->Close();
    if (dock_) dock_->Close();
    if (bar_) bar_->Close(); // its place goes into the settings, written when the controller goes
    exiting_ = true;
    EndModal(IDOK);
}

void ControllerWindow::CreateDock() { dock_ = MakeRemoteKap(*this, settings_); }

void ControllerWindow::CreateWindowBar() { bar_ = MakeRemoteWin(*this, settings_); }

void ControllerWindow::RunWindowBarCommand(UINT id) {
    if (!bar_) return;
    switch (id) {
    case ID_WINDOWS_NORMAL: bar_->ShowAllNormal(); break;
    case ID_WINDOWS_RESTORE: bar_->RestoreAll(); break;
    case ID_WINDOWS_MINIMIZE: bar_->MinimizeAll(); break;
    case ID_WINDOWS_MAXIMIZE: bar_->MaximizeAll(); break;
    case ID_WINDOWS_CLOSE: bar_->CloseAll(); break;
    default: break;
    }
}

void ControllerWindow::DestroyAllKaps() {
    for (auto& list : kaps_) {
        for (auto& kap : list) kap.reset();
        list.clear();
    }
}

void ControllerWindow::OnDestroy() {
    if (exiting_)
        for (auto& list : kaps_)
            for (auto& kap : list) kap->LeaveWindowToSystem();
    DestroyAllKaps();
    dock_.reset(); // its window goes, its document is written
    bar_.reset();  // its hooks go; in one-window mode the windows it minimized come back
    SaveSettings();
    layer_.reset();
    shellWatch_.reset();
    tray_.Remove();
}

} // namespace vimo
