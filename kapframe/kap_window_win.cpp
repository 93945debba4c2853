#include "kapframe/kap_window_win.h"

#include <windowsx.h>

#include <chrono>
#include <ctime>
#include <optional>
#include <thread>
#include <vector>

#include "base/messages.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "wnd/menu_handle_win.h"
#include "kapframe/document_file_win.h"
#include "kapframe/edge_snap.h"
#include "kapframe/kap_placement.h"
#include "layer/layer_host_win.h"

namespace vimo {

namespace {

constexpr const char* kTaskbarClass = "Shell_TrayWnd";

bool DocumentExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The visible task bar's rectangle, if it has one.
std::optional<ScreenRect> VisibleTaskbar() {
    HWND taskbar = FindWindowA(kTaskbarClass, "");
    if (!taskbar) taskbar = FindWindowA(kTaskbarClass, nullptr);
    if (!taskbar || !IsWindowVisible(taskbar)) return std::nullopt;
    RECT r = {};
    GetWindowRect(taskbar, &r);
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

} // namespace

CKapWindow::CKapWindow(KapHost& host, KapType type, Settings& settings, const std::string& documentPath)
    : Dialog(IDD_KAP), host_(host), type_(type), settings_(settings), loadPath_(documentPath) {}

CKapWindow::~CKapWindow() {
    dropTarget_.Revoke();
    DestroyWindowNow();
}

const SkinRecord& CKapWindow::Skin() const { return settings_.skins.Skin(InfoOf(type_).skin); }

std::string CKapWindow::DocumentPath() const {
    return DocumentFile(settings_.programDir, header_.kapName, InfoOf(type_).tag).Path();
}

bool CKapWindow::CreateKap() {
    if (loadPath_.empty())
        StartNew();
    else if (!LoadDocument())
        return false; // the document cannot be read now: it is left alone for a later try
    if (!Create(nullptr)) return false;
    // A new kap claims its name on disk at once, so a second kap made in the same second takes
    // another name and no two kaps ever write one document.
    if (madeNew_) SaveDocument();
    return true;
}

void CKapWindow::StartNew() {
    madeNew_ = true;
    const std::string notes = settings_.programDir + "\\NOTES\\";
    const std::string extension = std::string(".") + InfoOf(type_).tag;
    header_ = KapHeader{};
    header_.kapName = NewKapName([] { return std::time(nullptr); },
                                 [&](const std::string& name) { return DocumentExists(notes + name + extension); },
                                 [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); });
    rect_.x = settings_.createPosX;
    rect_.y = settings_.createPosY;
    rect_.width = Skin().Int("IconWidth");
    rect_.height = Skin().Int("IconHeight");
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
    const KapRect placed = PlaceOnScreen(rect_, Skin().Int("IconWidth"), Skin().Int("IconHeight"), virtualScreen,
                                         areas, NearestArea(rect_, areas));
    if (placed.x == rect_.x && placed.y == rect_.y && placed.width == rect_.width && placed.height == rect_.height)
        return;
    rect_ = placed;
    dirty_ = true;
}

bool CKapWindow::LoadDocument() {
    std::string text;
    const DocumentRead read = ReadDocument(loadPath_, text);
    if (read == DocumentRead::Unreadable) return false;
    KapHeader header;
    if (read == DocumentRead::Ok) {
        DocumentReader reader(text);
        if (ParseHeader(reader.NextString(), TypeLetterCount(), header)) {
            const bool nameUsable = IsValidKapName(header.kapName);
            header_ = header;
            if (!nameUsable) StartNew(); // a fresh name; the rest of the document still applies
            header_.locked = header.locked;
            header_.topMost = header.topMost;
            SetTypeLetters(header.typeLetters);
            SetHeaderTail(header.tail);
            rect_.x = reader.NextInt();
            rect_.y = reader.NextInt();
            const int width = reader.NextInt(), height = reader.NextInt();
            if (TakesSizeFromDocument()) {
                rect_.width = width;
                rect_.height = height;
            } else {
                rect_.width = Skin().Int("IconWidth");
                rect_.height = Skin().Int("IconHeight");
            }
            ReadPayload(reader);
            KeepOnScreen();
            // The file takes the kap's name in one step, also a fresh one given for a name that was
            // no kap name: the document is never left behind to load once more at the next start.
            AdoptStoredName(loadPath_, header_.kapName);
            return true;
        }
    }
    if (read != DocumentRead::Missing) SetAsideUnusable(loadPath_);
    StartNew();
    return true;
}

bool CKapWindow::SaveDocument() {
    if (Hwnd()) {
        RECT r = {};
        GetWindowRect(Hwnd(), &r);
        rect_.x = r.left;
        rect_.y = r.top;
    }
    KapHeader header = header_;
    header.typeLetters = TypeLetters();
    header.tail = HeaderTail();
    DocumentWriter writer(header);
    writer.Int(rect_.x).Int(rect_.y).Int(rect_.width).Int(rect_.height);
    WritePayload(writer);
    // Only what is on disk counts as saved.
    if (!DocumentFile(settings_.programDir, header_.kapName, InfoOf(type_).tag).Write(writer.Text())) return false;
    dirty_ = false;
    return true;
}

BOOL CKapWindow::OnInitDialog() {
    HWND hwnd = Hwnd();
    layer_ = std::make_unique<CLayerHost>(hwnd);
    layer_->SetSize(rect_.width, rect_.height);
    layer_->SetConstantAlpha(255);
    SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(hwnd, HWND_BOTTOM, rect_.x, rect_.y, rect_.width, rect_.height, SWP_NOACTIVATE | SWP_FRAMECHANGED);
    BuildItems();
    OnLockChanged();
    LayoutItems();
    layer_->Refresh();
    if (header_.topMost) {
        header_.topMost = false;
        SwitchTopMost();
    } else {
        SendToDesktop();
    }
    if (DropAccept()) {
        dropTarget_.Register(hwnd, WMU_KAP_DROP);
        dropTarget_.SetAccept(DropAccept());
    }
    SetTimer(hwnd, kSaveTimer, kSavePeriod, nullptr);
    return FALSE;
}

void CKapWindow::OnDestroy() {
    KillTimer(Hwnd(), kSaveTimer);
    dropTarget_.Revoke();
    layer_.reset();
}

void CKapWindow::OnTimer(UINT_PTR id) {
    // A save that failed leaves the kap dirty: the next tick tries again.
    if (id == kSaveTimer && dirty_) SaveDocument();
}

void CKapWindow::ChangedNow() {
    dirty_ = true;
    KillTimer(Hwnd(), kSaveTimer);
    SetTimer(Hwnd(), kSaveTimer, kSavePeriod, nullptr);
}

void CKapWindow::SendToDesktop() {
    if (header_.topMost || !raised_) return;
    raised_ = false;
    if (HWND progman = FindWindowA("Progman", nullptr)) {
        SetParent(Hwnd(), progman);
    } else {
        // No desktop window to live in: stay a plain top-level window below the others.
        SetParent(Hwnd(), nullptr);
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
    SetParent(Hwnd(), GetDesktopWindow());
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CKapWindow::SwitchTopMost() {
    HWND hwnd = Hwnd();
    if (!header_.topMost) {
        Raise();
        header_.topMost = true;
        topMostEstablished_ = false;
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        topMostEstablished_ = true;
        TakeFocus();
    } else {
        header_.topMost = false;
        topMostEstablished_ = false;
        raised_ = true;
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    dirty_ = true;
}

void CKapWindow::SetLocked(bool locked) {
    if (header_.locked == locked) return;
    header_.locked = locked;
    dirty_ = true;
    OnLockChanged();
    if (layer_) layer_->Refresh();
}

void CKapWindow::ToggleDesktop() {
    HWND top = raised_ ? Hwnd() : FindWindowA("Progman", nullptr);
    SetForegroundWindow(top ? top : Hwnd());
    if (raised_)
        SendToDesktop();
    else
        Raise();
}

void CKapWindow::ShowContextMenu() {
    const KapTypeInfo& info = InfoOf(type_);
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = menu.Get() ? GetSubMenu(menu.Get(), static_cast<int>(info.popup) - 1) : nullptr;
    if (!popup) return;
    SetForegroundWindow(Hwnd());
    POINT cursor = {};
    GetCursorPos(&cursor);
    CheckMenuItem(popup, info.lockCommand, MF_BYCOMMAND | (header_.locked ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, info.topMostCommand, MF_BYCOMMAND | (header_.topMost ? MF_CHECKED : MF_UNCHECKED));
    PrepareContextMenu(popup);
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Hwnd(), nullptr);
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

void CKapWindow::Delete() {
    if (MessageBoxA(Hwnd(), "Delete this KAP ?", "Delete KAP", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    // The kap goes only once its document is in the deleted store; otherwise it would vanish now and
    // come back at the next start, or be gone for good.
    if (!SaveDocument() || !DocumentFile(settings_.programDir, header_.kapName, InfoOf(type_).tag).MoveToDeleted()) {
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
        SetLocked(!header_.locked);
        return true;
    }
    if (id == info.deleteCommand) {
        Delete();
        return true;
    }
    return false;
}

// The move loop runs now, inside the press. A posted start would begin from wherever the pointer is
// by the time it is taken from the queue, and on a busy machine the kap would slip under the pointer.
void CKapWindow::StartMove() { SendMessageA(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos())); }

void CKapWindow::OnPositionChanging(WINDOWPOS& position) {
    if (topMostEstablished_) {
        HWND first = GetWindow(Hwnd(), GW_HWNDFIRST);
        if (first == Hwnd())
            position.flags |= SWP_NOZORDER;
        else
            position.hwndInsertAfter = first;
    }
    if (SnappingSuspended() || (position.flags & SWP_NOMOVE)) return;
    RECT r = {};
    GetWindowRect(Hwnd(), &r);
    const int width = (position.flags & SWP_NOSIZE) ? r.right - r.left : position.cx;
    const int height = (position.flags & SWP_NOSIZE) ? r.bottom - r.top : position.cy;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const SnapPoint snapped = SnapToEdges(position.x, position.y, width, height, screenWidth, screenHeight,
                                          TaskbarReserves(VisibleTaskbar(), screenWidth));
    position.x = snapped.x;
    position.y = snapped.y;
}

bool CKapWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnKapMessage(msg, wParam, lParam, result)) return true;
    HWND hwnd = Hwnd();
    switch (msg) {
    case WM_LBUTTONDOWN: {
        if (header_.locked) return false;
        dirty_ = true;
        if (header_.topMost) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        AfterLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        StartMove();
        return false;
    }
    case WM_MOUSEMOVE:
        if (!hoverTracking_) {
            hoverTracking_ = true;
            if (FocusOnHover()) SetFocus(hwnd);
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, HOVER_DEFAULT};
            TrackMouseEvent(&track);
        }
        return false;
    case WM_MOUSELEAVE: hoverTracking_ = false; return true;
    case WM_LBUTTONDBLCLK: ToggleDesktop(); return true;
    case WM_RBUTTONDOWN: ShowContextMenu(); return true;
    case WM_WINDOWPOSCHANGING: OnPositionChanging(*reinterpret_cast<WINDOWPOS*>(lParam)); return false;
    case WM_MOVE:
        // Some window systems move a layered window by copying the screen's pixels (and whatever
        // covered the window) to the new place: the unchanged surface is pushed again there.
        if (layer_) {
            layer_->SyncWindowRect();
            layer_->SetAlpha(-1);
        }
        return false;
    case WMU_EDIT_CHANGED: ChangedNow(); return true;
    case WMU_KAP_DROP: OnDrop(dropTarget_.Dropped()); return true;
    default: (void)wParam; return false;
    }
}

} // namespace vimo
