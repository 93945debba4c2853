#include "kapframe/kap_chrome_win.h"

#include <cassert>
#include <optional>

#include "base/messages.h"
#include "base/path_kind_win.h"
#include "base/resource.h"
#include "kapframe/edge_snap.h"
#include "kapframe/settings.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"

namespace vimo {

namespace {

constexpr const char* kTaskbarClass = "Shell_TrayWnd";

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

CKapChrome::CKapChrome(KapHost& host, Settings& settings, SkinType skin)
    : Dialog(IDD_KAP), host_(host), settings_(settings), skin_(skin) {}

CKapChrome::~CKapChrome() {
    assert(!Hwnd() && "a kap's window goes while the whole kap lives");
    DestroyWindowNow();
}

const SkinRecord& CKapChrome::Skin() const { return settings_.skins.Skin(skin_); }

bool CKapChrome::LoadDocument(const std::string& path) {
    std::string text;
    const DocumentRead read = ReadDocument(path, text);
    if (read == DocumentRead::Unreadable) return false; // left as it is, for a later try
    if (read == DocumentRead::Ok && TakeDocument(text)) {
        onDisk_ = std::move(text);
        return true;
    }
    if (read != DocumentRead::Missing) SetAsideUnusable(path);
    StartNewDocument();
    return true;
}

bool CKapChrome::SaveDocument() {
    if (Hwnd()) {
        RECT r = {};
        GetWindowRect(Hwnd(), &r);
        rect_.x = r.left;
        rect_.y = r.top;
    }
    // Only what is on disk counts as saved: a failed write leaves the change waiting.
    if (!WriteDocument()) return false;
    dirty_ = false;
    return true;
}

bool CKapChrome::WriteDocument() {
    std::string text = DocumentText();
    const DocumentFile file = File();
    if (text == onDisk_ && PathExists(file.Path())) return true;
    if (!file.Write(text)) return false;
    onDisk_ = std::move(text);
    return true;
}

// The move loop runs now, inside the press. A posted start would begin from wherever the pointer is
// by the time it is taken from the queue, and on a busy machine the window would slip under the pointer.
void CKapChrome::StartMove() {
    SendMessageA(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
}

void CKapChrome::CreateLayer(int width, int height, int alpha) {
    HWND hwnd = Hwnd();
    layer_ = std::make_unique<CLayerHost>(hwnd);
    layer_->SetSharedPictures(&host_.Pictures());
    layer_->SetSize(width, height);
    layer_->SetConstantAlpha(alpha);
    SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~WS_CAPTION);
}

CLayerStatic* CKapChrome::MakeLockImage(const LayerRect& r) {
    lock_ = new CLayerStatic(layer_.get(), r.x, r.y, r.width, r.height);
    lock_->Elem().SetImage(Skin().Str("LockFileName"));
    return lock_;
}

void CKapChrome::FollowLock() {
    if (lock_) {
        lock_->Elem().SetImageAlphaPercent(locked_ ? 100 : 0);
        lock_->Repaint();
    }
    OnLockChanged();
}

void CKapChrome::SetLocked(bool locked) {
    if (locked_ == locked) return;
    locked_ = locked;
    dirty_ = true;
    FollowLock();
}

void CKapChrome::StartChrome() {
    if (const unsigned accept = DropAccept()) {
        dropTarget_.Register(Hwnd(), WMU_KAP_DROP);
        dropTarget_.SetAccept(accept);
    }
    SetTimer(Hwnd(), kSaveTimer, kSavePeriod, nullptr);
}

void CKapChrome::ChangedNow() {
    dirty_ = true;
    KillTimer(Hwnd(), kSaveTimer);
    SetTimer(Hwnd(), kSaveTimer, kSavePeriod, nullptr);
}

void CKapChrome::StopSaveTimer() {
    KillTimer(Hwnd(), kSaveTimer);
    dirty_ = false;
}

void CKapChrome::OnTimer(UINT_PTR id) {
    // A save that failed leaves the document changed: the next tick tries again.
    if (id == kSaveTimer && dirty_) SaveDocument();
}

void CKapChrome::OnDestroy() {
    KillTimer(Hwnd(), kSaveTimer);
    dropTarget_.Revoke();
    if (layer_) layer_->OwnerGoing();
    layer_.reset();
    lock_ = nullptr;
}

void CKapChrome::OnPositionChanging(WINDOWPOS& position) {
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

bool CKapChrome::HandleMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT&) {
    switch (msg) {
    case WM_WINDOWPOSCHANGING: OnPositionChanging(*reinterpret_cast<WINDOWPOS*>(lParam)); return false;
    case WMU_KAP_DROP: OnDrop(dropTarget_.Dropped()); return true;
    default: return false;
    }
}

} // namespace vimo
