#include "bars/window_bar/vimo_remote_win_win.h"

#include <algorithm>

#include "base/resource.h"
#include "base/window_list_win.h"
#include "hooklib/vimo_detect_win.h"
#include "kapframe/settings.h"
#include "layer/controls/layer_screen_win.h"
#include "layer/controls/layer_scroll_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/menu_handle_win.h"

namespace vimo {

namespace {

// The text block of a tile: style, place, orientation and margins from the keys of the prefix.
void StyleBlock(CLayerElement& element, TextBlockId block, const SkinRecord& skin, const std::string& prefix) {
    element.SetBlockStyle(block, skin.TextStyle(prefix));
    element.SetBlockPosition(block, skin.Int(prefix + "HPos"), skin.Int(prefix + "VPos"));
    element.SetBlockOrientation(block, skin.Int(prefix + "Orientation"));
    element.SetBlockMargins(block, skin.Int(prefix + "MarginLeft"), skin.Int(prefix + "MarginTop"),
                            skin.Int(prefix + "MarginRight"), skin.Int(prefix + "MarginBottom"));
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TitleOf(HWND window) {
    char title[260] = {};
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

// The window at the top of a window's chain of parents (and owners).
HWND TopOf(HWND window) {
    while (HWND parent = GetParent(window)) window = parent;
    return window;
}

HWND AsWindow(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }

} // namespace

CVimoRemoteWin::CVimoRemoteWin(KapHost& host, Settings& settings)
    : CLaunchBar(host, settings, SkinType::RemoteWin,
                 DockAutoHideOptions{settings.remoteWinAutoHide != 0, settings.remoteWinFadeInOut != 0,
                                     settings.remoteWinHideDelay, settings.remoteWinTrigger}) {}

CVimoRemoteWin::~CVimoRemoteWin() = default;

std::unique_ptr<CVimoRemoteWin> MakeRemoteWin(KapHost& host, Settings& settings) {
    std::unique_ptr<CVimoRemoteWin> bar = MakeWholeDialog<CVimoRemoteWin>(host, settings);
    if (!bar->CreateBar()) return nullptr;
    return bar;
}

bool CVimoRemoteWin::CreateBar() { return Create(nullptr) != nullptr; }

DocumentFile CVimoRemoteWin::File() const { return DocumentFile(AppSettings().programDir, "", ""); }

bool CVimoRemoteWin::WriteDocument() {
    Settings& settings = AppSettings();
    settings.remoteWinPosX = Rect().x;
    settings.remoteWinPosY = Rect().y;
    settings.remoteWinPosWidth = Rect().width;
    settings.remoteWinPosHeight = Rect().height;
    return true;
}

bool CVimoRemoteWin::AlwaysOnTop() const { return AppSettings().remoteWinAlwaysOnTop != 0; }

// Room for one tile beside the scroll bar.
int CVimoRemoteWin::MinimumWidth() const {
    const WindowBarMetrics& m = metrics_;
    return std::max(1, m.marginLeft + m.marginRight + m.scrollWidth + m.scrollHMargin + m.screenWidth);
}

int CVimoRemoteWin::MinimumHeight() const {
    return std::max(1, metrics_.marginTop + metrics_.marginBottom + metrics_.screenHeight);
}

BOOL CVimoRemoteWin::OnInitDialog() {
    HWND hwnd = Hwnd();
    SetWindowTextA(hwnd, kWindowText);
    metrics_ = WindowBarMetricsFromSkin(Skin());
    const Settings& settings = AppSettings();
    // A stored size too small for one tile (as the first run's is) gives the skin's design size.
    const SkinSize design = DesignSize(Skin());
    const int width = settings.remoteWinPosWidth >= MinimumWidth() ? settings.remoteWinPosWidth
                                                                   : std::max(MinimumWidth(), design.width);
    const int height = settings.remoteWinPosHeight >= MinimumHeight() ? settings.remoteWinPosHeight
                                                                      : std::max(MinimumHeight(), design.height);
    KapRect& rect = MutableRect();
    rect = KapRect{settings.remoteWinPosX, settings.remoteWinPosY, width, height};

    const DockStep start = AutoHide().Start();
    CreateLayer(rect.width, rect.height, AutoHide().Alpha());
    SetParent(hwnd, GetDesktopWindow());
    SetWindowPos(hwnd, AlwaysOnTop() ? HWND_TOPMOST : HWND_TOP, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The tiles are viewport items, drawn only while their window is shown (see the dock).
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    ShowWindow(hwnd, SW_SHOWNA);
    BuildItems();
    Layout();
    Apply(start);
    StartChrome();

    installhook(hwnd);
    hooked_ = true;
    Scan(false);
    SetTimer(hwnd, kFreshenTimer, kFreshenPeriod, nullptr);
    return FALSE;
}

void CVimoRemoteWin::BuildItems() {
    const SkinRecord& skin = Skin();
    const int width = Rect().width, height = Rect().height;
    background_ = new CLayerStatic(Layer(), 0, 0, width, height);
    SetSkinBackground(background_->Elem(), skin);
    MakeLockImage(ElementRect(skin, "Lock", SkinSize{width, height}));
    FollowLock();
    scroll_ = new CLayerScrollV(Layer(), 0, 0, metrics_.scrollWidth, height);
    scroll_->SetTrackColours(skin.Colour("ScrollInactive"), skin.Colour("ScrollActive"));
    scroll_->Notifications().target = Hwnd();
    scroll_->Notifications().valueMessage = kScrollValueMessage;
}

void CVimoRemoteWin::Layout() {
    const int width = Rect().width, height = Rect().height;
    layout_ = LayoutWindowBar(metrics_, width, height, tiles_.size());
    CLayerHost* layer = Layer();
    const LayerRect& view = layout_.listArea;
    layer->SetViewport(view.x, view.y, view.width, view.height);
    background_->SetBounds(LayerRect{0, 0, width, height});
    LockImage()->SetBounds(ElementRect(Skin(), "Lock", SkinSize{width, height}));
    scroll_->SetBounds(layout_.scroll);
    scroll_->SetRange(layout_.listLength); // a list that fits is not scrolled, whatever the bar holds
    PlaceTiles();
    if (layer->Width() == width && layer->Height() == height)
        layer->Refresh();
    else
        layer->Resize(width, height);
}

// The tiles at their places in the column, shifted up by the scroll bar's percent.
void CVimoRemoteWin::PlaceTiles() {
    const int offset = WindowBarScrollOffset(layout_.listLength, layout_.listArea.height, scroll_->Percent());
    Layer()->SetOrigin(0, -offset);
    for (std::size_t i = 0; i < tiles_.size(); ++i) tiles_[i]->SetBounds(WindowTileRect(metrics_, layout_, i));
}

void CVimoRemoteWin::OnResizeTo(int width, int height) {
    MutableRect().width = width;
    MutableRect().height = height;
    Layout();
}

// --- the list of windows -------------------------------------------------------------------------

void CVimoRemoteWin::Scan(bool rescan) {
    RemoveGoneTiles();
    TopLevelWindowList list;
    list.Build(TopLevelWindowList::kVisibleOnly | TopLevelWindowList::kWithoutParent |
               TopLevelWindowList::kSkipExcluded);
    std::vector<ScanEntry> entries;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const TopLevelWindowList::Entry& e = list.At(i);
        entries.push_back(
            ScanEntry{reinterpret_cast<std::uintptr_t>(e.window), list.Title(i), e.executablePath, e.processId});
    }
    Settings& settings = AppSettings();
    UpperCaseExclusions(settings.exclude); // the stored values are compared, and kept, in upper case
    ScanRules rules;
    rules.ownProcess = GetCurrentProcessId();
    rules.mediaRemoteExists = !Host().KapsOf(KapType::RemoteWmp).empty();
    rules.exclude = settings.exclude;
    rules.rescan = rescan;
    rules.killNewWindows = settings.remoteWinKillNewWinMode != 0;
    rules.killApp = settings.remoteWinKillNewWinApp;
    std::vector<ListedWindow> listed;
    for (CLayerScreen* tile : tiles_)
        listed.push_back(
            ListedWindow{reinterpret_cast<std::uintptr_t>(tile->Target()), tile->Elem().WindowView().program});

    const ScanPlan plan = PlanScan(entries, rules, std::move(listed));
    for (std::uintptr_t window : plan.closeWindow)
        if (IsWindow(AsWindow(window))) PostMessageA(AsWindow(window), WM_CLOSE, 0, 0);
    for (const ScanEntry& entry : plan.newTiles) {
        MakeTile(entry);
        if (settings.remoteWinOneWinMode) MinimizeOthers(AsWindow(entry.window));
    }
    Layout();
    ++scanCount_;
    lastScanTick_ = GetTickCount();
}

void CVimoRemoteWin::RemoveGoneTiles() {
    for (auto it = tiles_.begin(); it != tiles_.end();) {
        HWND target = (*it)->Target();
        if (IsWindow(target)) {
            ++it;
            continue;
        }
        zList_.erase(std::remove(zList_.begin(), zList_.end(), target), zList_.end());
        delete *it;
        it = tiles_.erase(it);
    }
}

void CVimoRemoteWin::MakeTile(const ScanEntry& entry) {
    const SkinRecord& skin = Skin();
    auto* tile = new CLayerScreen(Layer(), 0, 0, metrics_.screenWidth, metrics_.screenHeight);
    tile->SetInViewport(true);
    CLayerElement& element = tile->Elem();
    element.SetBackgroundColour(skin.Colour("BackgroundRect"));
    element.SetWindowMargins(skin.Int("WindowMarginLeft"), skin.Int("WindowMarginTop"), skin.Int("WindowMarginRight"),
                             skin.Int("WindowMarginBottom"));
    StyleBlock(element, TextBlockId::Title, skin, "Title");
    StyleBlock(element, TextBlockId::Text, skin, "Text");
    tile->SetTitleOnlyOnHover(skin.Int("TitleOnlyHover") != 0);
    tile->SetTextOnlyOnHover(skin.Int("TextOnlyHover") != 0);
    tile->SetThumbnailPosition(skin.Int("WindowHPosition"), skin.Int("WindowVPosition"));
    tile->SetThumbnailZoom(skin.Int("WindowScale"));
    tile->SetNormalLuminosity(skin.Int("WindowLuminosityPercent"));
    // The element keeps the whole program string, which scans compare; the tile shows its file name.
    tile->SetTarget(AsWindow(entry.window), entry.title, entry.program);
    element.SetBlockText(TextBlockId::Text, FileNameOf(entry.program));
    tile->SetRenewalDelay(true, AppSettings().winDetectDelay);
    tile->SetToggleOnClick(!AppSettings().remoteWinOneWinMode);
    LayerNotifications& notify = tile->Notifications();
    notify.target = Hwnd();
    notify.clickMessage = kTileClickMessage;
    notify.rightButtonMessage = kTileMenuMessage;
    tiles_.push_back(tile);
}

HWND CVimoRemoteWin::TileWindow(std::size_t index) const {
    return index < tiles_.size() ? tiles_[index]->Target() : nullptr;
}

CLayerScreen* CVimoRemoteWin::TileOf(HWND window) const {
    for (CLayerScreen* tile : tiles_)
        if (tile->Target() == window) return tile;
    return nullptr;
}

std::vector<WindowShowState> CVimoRemoteWin::ShowStates() const {
    std::vector<WindowShowState> states;
    for (CLayerScreen* tile : tiles_) {
        HWND w = tile->Target();
        states.push_back(
            WindowShowState{reinterpret_cast<std::uintptr_t>(w), IsIconic(w) != FALSE, IsZoomed(w) != FALSE});
    }
    return states;
}

void CVimoRemoteWin::MinimizeOthers(HWND keep) {
    const std::vector<std::uintptr_t> minimize = OthersToMinimize(ShowStates(), reinterpret_cast<std::uintptr_t>(keep),
                                                                  AppSettings().remoteWinMinimizeMaximized != 0);
    for (std::uintptr_t window : minimize)
        if (CLayerScreen* tile = TileOf(AsWindow(window))) tile->Minimize();
}

void CVimoRemoteWin::FollowOneWindowMode() {
    for (CLayerScreen* tile : tiles_) tile->SetToggleOnClick(!AppSettings().remoteWinOneWinMode);
}

// --- what the hooks report -----------------------------------------------------------------------

void CVimoRemoteWin::OnWindowBornOrGone() {
    rescanPending_ = true;
    SetTimer(Hwnd(), kRescanTimer, kRescanDelay, nullptr); // a burst of windows gives one rescan
}

void CVimoRemoteWin::OnWindowChanged(HWND window, UINT message) {
    if (!IsWindow(window)) return;
    if (rescanPending_) {
        SetTimer(Hwnd(), kRescanTimer, kRescanDelay, nullptr);
        return;
    }
    HWND top = TopOf(window);
    if (top == TopOf(Hwnd())) return;
    CLayerScreen* tile = TileOf(top);
    if (!tile) return;
    if (message == WM_SIZING || message == WM_MOVING) {
        if (tile->FollowsChanges()) tile->RenewAfterDelay(false);
    } else {
        tile->RenewAfterDelay(true);
    }
}

// Keeps the pictures alive without taking every window at once: one shown window's tile, in turn,
// while the bar is seen.
void CVimoRemoteWin::Freshen() {
    if (tiles_.empty() || !IsWindowVisible(Hwnd()) || AutoHide().Fading()) return;
    for (std::size_t tried = 0; tried < tiles_.size(); ++tried) {
        CLayerScreen* tile = tiles_[nextFreshen_++ % tiles_.size()];
        HWND target = tile->Target();
        if (!IsWindow(target) || IsIconic(target) || IsHungAppWindow(target)) continue;
        const std::string title = TitleOf(target);
        if (title != tile->Elem().Block(TextBlockId::Title).text) tile->Elem().SetBlockText(TextBlockId::Title, title);
        tile->Renew();
        return;
    }
}

// --- tiles ---------------------------------------------------------------------------------------

void CVimoRemoteWin::OnTileClick(HWND window) {
    CLayerScreen* tile = TileOf(window);
    if (!tile || !AppSettings().remoteWinOneWinMode) return; // outside one-window mode the tile toggled it
    MinimizeOthers(window);
    zList_.erase(std::remove(zList_.begin(), zList_.end(), window), zList_.end());
    zList_.insert(zList_.begin(), window);
    if (IsIconic(window))
        tile->Restore(); // maximized again if it was, and brought forward
    else
        SetForegroundWindow(window);
}

void CVimoRemoteWin::ShowTileMenu(HWND window) {
    CLayerScreen* tile = TileOf(window);
    if (!tile || !IsWindow(window)) return;
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), IDM_POPUP_WINDOW_TILE) : nullptr;
    if (!popup) return;
    const bool minimized = IsIconic(window) != FALSE, maximized = IsZoomed(window) != FALSE;
    const auto check = [&](UINT id, bool on) {
        CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(ID_TILE_NORMAL, !minimized && !maximized);
    check(ID_TILE_MINIMIZED, minimized);
    check(ID_TILE_MAXIMIZED, maximized);
    SetForegroundWindow(Hwnd());
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetModalOpen(true);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, Hwnd(), nullptr));
    SetModalOpen(false);
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
    tile = TileOf(window); // a rescan may have run while the menu was open
    if (!tile || !IsWindow(window)) return;
    switch (chosen) {
    case ID_TILE_NORMAL:
        if (IsIconic(window)) tile->Restore();
        if (IsZoomed(window)) tile->ToggleMaximize();
        SetForegroundWindow(window);
        break;
    case ID_TILE_MINIMIZED:
        if (IsIconic(window))
            tile->Restore();
        else
            tile->Minimize();
        break;
    case ID_TILE_MAXIMIZED:
        if (IsIconic(window)) tile->Restore();
        tile->ToggleMaximize();
        break;
    case ID_TILE_CLOSE: PostMessageA(window, WM_CLOSE, 0, 0); break;
    default: break;
    }
}

// The scroll bar has taken the percent it posts; the tiles follow it.
void CVimoRemoteWin::OnScroll() {
    PlaceTiles();
    Layer()->Refresh();
}

// --- the bar's commands --------------------------------------------------------------------------

void CVimoRemoteWin::ShowAllNormal() {
    for (CLayerScreen* tile : tiles_) {
        HWND w = tile->Target();
        if (IsIconic(w))
            tile->Restore();
        else if (IsZoomed(w))
            tile->ToggleMaximize();
    }
}

void CVimoRemoteWin::RestoreAll() {
    for (CLayerScreen* tile : tiles_)
        if (IsIconic(tile->Target())) tile->Restore();
}

void CVimoRemoteWin::MinimizeAll() {
    for (CLayerScreen* tile : tiles_)
        if (!IsIconic(tile->Target())) tile->Minimize();
}

void CVimoRemoteWin::MaximizeAll() {
    for (CLayerScreen* tile : tiles_)
        if (!IsZoomed(tile->Target())) tile->ToggleMaximize();
}

void CVimoRemoteWin::CloseAll() {
    for (CLayerScreen* tile : tiles_)
        if (IsWindow(tile->Target())) PostMessageA(tile->Target(), WM_CLOSE, 0, 0);
}

// --- the window ----------------------------------------------------------------------------------

void CVimoRemoteWin::OnTimer(UINT_PTR id) {
    switch (id) {
    case kRescanTimer:
        KillTimer(Hwnd(), kRescanTimer);
        rescanPending_ = false;
        Scan(true);
        break;
    case kFreshenTimer: Freshen(); break;
    default: CLaunchBar::OnTimer(id); break;
    }
}

void CVimoRemoteWin::Close() {
    if (!Hwnd()) return;
    KillTimer(Hwnd(), kRescanTimer);
    KillTimer(Hwnd(), kFreshenTimer);
    CloseBar();
}

void CVimoRemoteWin::OnDestroy() {
    if (AppSettings().remoteWinOneWinMode)
        for (CLayerScreen* tile : tiles_)
            if (IsIconic(tile->Target())) tile->Restore();
    Close();
    if (hooked_) removehook();
    hooked_ = false;
    for (CLayerScreen* tile : tiles_) delete tile;
    tiles_.clear();
    zList_.clear();
    CKapChrome::OnDestroy();
    background_ = nullptr;
    scroll_ = nullptr;
}

bool CVimoRemoteWin::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case detect::kWindowBornOrGone: OnWindowBornOrGone(); return true;
    case detect::kWindowChanged:
        OnWindowChanged(reinterpret_cast<HWND>(wParam), static_cast<UINT>(lParam));
        return true;
    case kScrollValueMessage: OnScroll(); return true;
    case kTileClickMessage: OnTileClick(reinterpret_cast<HWND>(wParam)); return true;
    case kTileMenuMessage: ShowTileMenu(reinterpret_cast<HWND>(wParam)); return true;
    case WM_RBUTTONDOWN: return true; // the bar has no menu of its own; its commands are the tray's
    case WM_EXITSIZEMOVE: SaveDocument(); return false;
    default: return CLaunchBar::HandleMessage(msg, wParam, lParam, result);
    }
}

} // namespace vimo
