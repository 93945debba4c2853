#include "kapframe/kap_window_win.h"

#include <algorithm>

#include <windowsx.h>

#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

#include "base/messages.h"
#include "base/path_kind_win.h"
#include "base/resource.h"
#include "kapframe/kap_placement.h"
#include "kapframe/settings.h"
#include "wnd/menu_handle_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

CKapWindow::CKapWindow(KapHost& host, KapType type, Settings& settings, const std::string& documentPath)
    : CKapChrome(host, settings, InfoOf(type).skin), type_(type), loadPath_(documentPath),
      grip_(kResizeTimer, [this](bool resizing) { Host().SetResizing(resizing); }) {}

CKapWindow::~CKapWindow() = default;

DocumentFile CKapWindow::File() const {
    return DocumentFile(AppSettings().programDir, header_.kapName, InfoOf(type_).tag);
}

bool CKapWindow::CreateKap() {
    if (loadPath_.empty())
        StartNewDocument();
    else if (!LoadDocument(loadPath_))
        return false; // the document cannot be read now: it is left alone for a later try
    if (!Create(nullptr)) return false;
    // A new kap claims its name on disk at once, so a second kap made in the same second takes
    // another name and no two kaps ever write one document.
    if (madeNew_) SaveDocument();
    return true;
}

void CKapWindow::StartNewDocument() {
    madeNew_ = true;
    const Settings& settings = AppSettings();
    const std::string notes = settings.programDir + "\\NOTES\\";
    const std::string extension = std::string(".") + InfoOf(type_).tag;
    header_ = KapHeader{};
    header_.kapName = NewKapName([] { return std::time(nullptr); },
                                 [&](const std::string& name) { return PathExists(notes + name + extension); },
                                 [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); });
    // At the create position, or cascaded from there where the bars or another kap would hide it.
    std::vector<ScreenRect> kaps;
    for (const KapTypeInfo& info : AllKapTypes())
        for (const Kap* kap : Host().KapsOf(info.type)) {
            RECT r = {};
            if (kap && kap->Hwnd() && GetWindowRect(kap->Hwnd(), &r))
                kaps.push_back(ScreenRect{r.left, r.top, r.right, r.bottom});
        }
    const KapRect wanted{settings.createPosX, settings.createPosY, Skin().Int("IconWidth"), Skin().Int("IconHeight")};
    // The work area of the monitor the create position is on (or nearest to).
    const RECT wantedRect = {wanted.x, wanted.y, wanted.x + wanted.width, wanted.y + wanted.height};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromRect(&wantedRect, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& work = monitor.rcWork;
    MutableRect() =
        PlaceNewKap(wanted, ScreenRect{work.left, work.top, work.right, work.bottom}, Host().BarRects(), kaps);
}

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(
            ScreenRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
    return TRUE;
}

} // namespace

// A stored rectangle is outside data: a damaged document, or a monitor that has been removed, must
// not give a kap the user cannot see or reach. The corrected place is saved.
void CKapWindow::KeepOnScreen() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const ScreenRect virtualScreen{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                   top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    KapRect& rect = MutableRect();
    const KapRect placed = PlaceOnScreen(rect, Skin().Int("IconWidth"), Skin().Int("IconHeight"), virtualScreen, areas,
                                         NearestArea(rect, areas));
    if (placed.x == rect.x && placed.y == rect.y && placed.width == rect.width && placed.height == rect.height) return;
    rect = placed;
    SetDirty();
}

bool CKapWindow::TakeDocument(const std::string& text) {
    DocumentReader reader(text);
    KapHeader header;
    if (!ParseHeader(reader.NextString(), TypeLetterCount(), header)) return false;
    const bool nameUsable = IsValidKapName(header.kapName);
    header_ = header;
    if (!nameUsable) StartNewDocument(); // a fresh name; the rest of the document still applies
    TakeLocked(header.locked);
    header_.topMost = header.topMost;
    SetTypeLetters(header.typeLetters);
    SetHeaderTail(header.tail);
    KapRect& rect = MutableRect();
    rect = reader.NextRect();
    if (!Resizable()) {
        rect.width = Skin().Int("IconWidth");
        rect.height = Skin().Int("IconHeight");
    }
    ReadPayload(reader);
    KeepOnScreen();
    // The file takes the kap's name in one step, also a fresh one given for a name that was no kap
    // name: the document is never left behind to load once more at the next start.
    AdoptStoredName(loadPath_, header_.kapName);
    return true;
}

std::string CKapWindow::DocumentText() const {
    KapHeader header = header_;
    header.locked = Locked();
    header.typeLetters = TypeLetters();
    header.tail = HeaderTail();
    DocumentWriter writer(header);
    writer.Rect(Rect());
    WritePayload(writer);
    return writer.Text();
}

BOOL CKapWindow::OnInitDialog() {
    HWND hwnd = Hwnd();
    const KapRect& rect = Rect();
    CreateLayer(rect.width, rect.height, 255);
    SetWindowPos(hwnd, HWND_BOTTOM, rect.x, rect.y, rect.width, rect.height, SWP_NOACTIVATE | SWP_FRAMECHANGED);
    BuildItems();
    FollowLock();
    LayoutItems();
    Layer()->Refresh();
    if (header_.topMost) {
        header_.topMost = false;
        SwitchTopMost();
    } else {
        SendToDesktop();
    }
    StartChrome();
    return FALSE;
}

void CKapWindow::OnTimer(UINT_PTR id) {
    if (id == kResizeTimer) {
        ResizeStep();
        return;
    }
    CKapChrome::OnTimer(id);
}

bool CKapWindow::BeginResize(POINT client) {
    if (!Resizable() || Locked() || !ResizeGrip::InCorner(client, Rect().width, Rect().height)) return false;
    grip_.Begin(Hwnd(), client);
    return true;
}

void CKapWindow::ResizeStep() {
    KapRect& r = MutableRect();
    if (!grip_.Step(Hwnd(), r.width, r.height, Skin().Int("IconWidth"), Skin().Int("IconHeight"))) return;
    r.width = std::min(r.width, std::max(MaximumWidth(), Skin().Int("IconWidth")));
    const int wantedWidth = r.width, wantedHeight = r.height;
    LayoutItems();
    grip_.ShiftAnchor(r.width - wantedWidth, r.height - wantedHeight);
    Layer()->Resize(r.width, r.height);
    SetDirty();
}

// A window given the parent it has already is hidden and shown again by the system (and pushed to
// the screen anew): a kap that is where it should be stays as it is.
void CKapWindow::MoveUnder(HWND parent) {
    if (GetAncestor(Hwnd(), GA_PARENT) != parent) SetParent(Hwnd(), parent);
}

void CKapWindow::SendToDesktop() {
    if (header_.topMost || !raised_) return;
    raised_ = false;
    if (HWND progman = FindWindowA("Progman", nullptr)) {
        OnPlacementChanging(progman, false);
        MoveUnder(progman);
    } else {
        // No desktop window to live in: stay a plain top-level window below the others.
        OnPlacementChanging(nullptr, false);
        MoveUnder(GetDesktopWindow());
        SetWindowPos(Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CKapWindow::Raise() {
    if (header_.topMost) return;
    if (raised_) {
        TakeFocus();
        return;
    }
    raised_ = true;
    OnPlacementChanging(GetDesktopWindow(), false);
    MoveUnder(GetDesktopWindow());
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CKapWindow::SwitchTopMost() {
    HWND hwnd = Hwnd();
    if (!header_.topMost) {
        Raise();
        header_.topMost = true;
        topMostEstablished_ = false;
        OnPlacementChanging(GetDesktopWindow(), true);
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        topMostEstablished_ = true;
        TakeFocus();
    } else {
        header_.topMost = false;
        topMostEstablished_ = false;
        raised_ = true;
        OnPlacementChanging(GetDesktopWindow(), false);
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    SetDirty();
}

void CKapWindow::SetLocked(bool locked) {
    if (Locked() == locked) return;
    CKapChrome::SetLocked(locked);
    if (Layer()) Layer()->Refresh();
}

void CKapWindow::ToggleDesktop() {
    HWND top = raised_ ? Hwnd() : FindWindowA("Progman", nullptr);
    SetForegroundWindow(top ? top : Hwnd());
    if (raised_)
        SendToDesktop();
    else
        Raise();
}

CLayerStatic* CKapWindow::MakeBackgroundAndLock() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    auto* background = new CLayerStatic(Layer(), 0, 0, r.width, r.height);
    SetSkinBackground(background->Elem(), skin);
    MakeLockImage(ElementRect(skin, "Lock", SkinSize{r.width, r.height}));
    return background;
}

void CKapWindow::KeepAtLeastSkinSize() {
    const SkinRecord& skin = Skin();
    KapRect& rect = MutableRect();
    rect.width = std::max(rect.width, skin.Int("IconWidth"));
    rect.height = std::max(rect.height, skin.Int("IconHeight"));
}

void CKapWindow::ShowContextMenu() {
    const KapTypeInfo& info = InfoOf(type_);
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), static_cast<int>(info.popup) - 1) : nullptr;
    if (!popup) return;
    SetForegroundWindow(Hwnd());
    POINT cursor = {};
    GetCursorPos(&cursor);
    CheckMenuItem(popup, info.lockCommand, MF_BYCOMMAND | (Locked() ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, info.topMostCommand, MF_BYCOMMAND | (header_.topMost ? MF_CHECKED : MF_UNCHECKED));
    PrepareContextMenu(popup);
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Hwnd(), nullptr);
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

void CKapWindow::Delete() {
    if (MessageBoxA(Hwnd(), "Delete this KAP ?", "Delete KAP", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    // The kap goes only once its document is in the deleted store; otherwise it would vanish now and
    // come back at the next start, or be gone for good.
    if (!SaveDocument() || !File().MoveToDeleted()) {
        MessageBoxA(Hwnd(), "This KAP could not be moved to the Deleted folder, so it stays.", "KAP not deleted",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PostMessageA(Owner(), InfoOf(type_).deletedMessage, reinterpret_cast<WPARAM>(static_cast<Kap*>(this)), 0);
}

bool CKapWindow::OnCommand(UINT id, UINT, HWND) {
    if (OnKapCommand(id)) return true;
    const KapTypeInfo& info = InfoOf(type_);
    if (id == info.topMostCommand) {
        SwitchTopMost();
        return true;
    }
    if (id == info.lockCommand) {
        SetLocked(!Locked());
        return true;
    }
    if (id == info.deleteCommand) {
        Delete();
        return true;
    }
    return false;
}

void CKapWindow::OnPositionChanging(WINDOWPOS& position) {
    if (topMostEstablished_) {
        HWND first = GetWindow(Hwnd(), GW_HWNDFIRST);
        if (first == Hwnd())
            position.flags |= SWP_NOZORDER;
        else
            position.hwndInsertAfter = first;
    }
    CKapChrome::OnPositionChanging(position);
}

bool CKapWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnKapMessage(msg, wParam, lParam, result)) return true;
    HWND hwnd = Hwnd();
    switch (msg) {
    case WM_LBUTTONDOWN: {
        if (Locked()) return false;
        SetDirty();
        // The bottom-right corner of a resizable kap is its grip; anywhere else the press moves the kap.
        if (BeginResize(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            result = 0;
            return true;
        }
        if (header_.topMost) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        StartMove();
        return false;
    }
    case WM_SETCURSOR: {
        if (!Resizable() || Locked()) return false;
        POINT p = {};
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        if (!grip_.Active() && !ResizeGrip::InCorner(p, Rect().width, Rect().height)) return false;
        SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
        result = TRUE;
        return true;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (grip_.Active()) ResizeStep();
        return false;
    case WM_MOUSEMOVE:
        if (!hoverTracking_) {
            hoverTracking_ = true;
            if (FocusOnHover()) SetFocus(hwnd);
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, HOVER_DEFAULT};
            TrackMouseEvent(&track);
        }
        return false;
    case WM_MOUSELEAVE: hoverTracking_ = false; return true;
    case WM_LBUTTONDBLCLK:
        // A double click queued behind the click that opened one of the kap's dialogs waits for it.
        if (IsWindowEnabled(hwnd)) ToggleDesktop();
        return true;
    case WM_RBUTTONDOWN: ShowContextMenu(); return true;
    case WM_MOVE:
        // Some window systems move a layered window by copying the screen's pixels (and whatever
        // covered the window) to the new place: the unchanged surface is pushed again there.
        if (CLayerHost* layer = Layer()) {
            layer->SyncWindowRect();
            layer->SetAlpha(-1);
        }
        return false;
    case WMU_EDIT_CHANGED: ChangedNow(); return true;
    default: return CKapChrome::HandleMessage(msg, wParam, lParam, result);
    }
}

} // namespace vimo
