#include "kapframe/kap_chrome_win.h"

#include <cassert>
#include <optional>

#include "base/messages.h"
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

void CKapChrome::LoadDocument(const std::string& path) {
    std::string text;
    const DocumentRead read = ReadDocument(path, text);
    if (read == DocumentRead::Ok && TakeDocument(text)) return;
    if (read != DocumentRead::Missing) SetAsideUnusable(path);
    StartNewDocument();
}

void CKapChrome::SaveDocument() {
    if (Hwnd()) {
        RECT r = {};
        GetWindowRect(Hwnd(), &r);
        rect_.x = r.left;
        rect_.y = r.top;
    }
    File().Write(DocumentText());
}

void CKapChrome::CreateLayer(int width, int height, int alpha) {
    HWND hwnd = Hwnd();
    layer_ = std::make_unique<CLayerHost>(hwnd);
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
    if (id == kSaveTimer && dirty_) {
        dirty_ = false;
        SaveDocument();
    }
}

void CKapChrome::OnDestroy() {
    KillTimer(Hwnd(), kSaveTimer);
    dropTarget_.Revoke();
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
