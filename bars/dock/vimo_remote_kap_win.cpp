#include "bars/dock/vimo_remote_kap_win.h"

#include <windowsx.h>

#include "kapframe/kap_win.h"
#include "base/messages.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "wnd/menu_handle_win.h"
#include "bars/dock/dock_defaults.h"
#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_icon_edit.h"
#include "bars/dock/dock_icon_types.h"
#include "bars/dock/dock_menu.h"
#include "bars/dock/dock_menu_win.h"
#include "bars/dock/vimo_remote_kap_icon_config_win.h"
#include "kapframe/document_file_win.h"
#include "kapframe/edge_snap.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

// Hover luminosity of the icons, in percent.
constexpr int kIconHoverLuminosity = 60;

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DockAutoHideOptions AutoHideOptions(const Settings& settings) {
    DockAutoHideOptions options;
    options.autoHide = settings.remoteKapAutoHide != 0;
    options.fade = settings.remoteKapFadeInOut != 0;
    options.hideDelaySeconds = settings.remoteKapHideDelay;
    options.trigger = settings.remoteKapTrigger;
    return options;
}

std::optional<ScreenRect> VisibleTaskbar() {
    HWND taskbar = TaskbarWindow();
    if (!taskbar || !IsWindowVisible(taskbar)) return std::nullopt;
    RECT r = {};
    GetWindowRect(taskbar, &r);
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

bool PrimaryButtonDown() {
    return (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

} // namespace

CVimoRemoteKap::CVimoRemoteKap(KapHost& host, Settings& settings)
    : Dialog(IDD_KAP), host_(host), settings_(settings), autoHide_(AutoHideOptions(settings)) {}

CVimoRemoteKap::~CVimoRemoteKap() {
    // The window goes while this object is whole, so that its destroy handler saves the document.
    DestroyWindowNow();
}

std::unique_ptr<CVimoRemoteKap> MakeRemoteKap(KapHost& host, Settings& settings) {
    auto dock = std::make_unique<CVimoRemoteKap>(host, settings);
    if (!dock->CreateDock()) return nullptr;
    return dock;
}

const SkinRecord& CVimoRemoteKap::Skin() const { return settings_.skins.Skin(SkinType::RemoteKap); }

std::string CVimoRemoteKap::DocumentPath() const {
    return DocumentFile(settings_.programDir, kDockKapName, kDockTypeTag).Path();
}

bool CVimoRemoteKap::CreateDock() {
    LoadDocument();
    return Create(nullptr) != nullptr;
}

void CVimoRemoteKap::LoadDocument() {
    const SkinSize design = DesignSize(Skin());
    const std::string path = DocumentPath();
    std::string text;
    const DocumentRead read = ReadDocument(path, text);
    if (read == DocumentRead::Ok) {
        if (std::optional<DockDocument> document = ParseDockText(text, KapRect{0, 0, design.width, design.height})) {
            document_ = std::move(*document);
            return;
        }
    }
    if (read != DocumentRead::Missing) SetAsideUnusable(path);
    document_ = NewDockDocument(design.width, design.height, Skin().Folder(),
                                [this](KapType type) { return host_.CanCreate(type); });
}

bool CVimoRemoteKap::SaveDocument() {
    if (Hwnd()) {
        RECT r = {};
        GetWindowRect(Hwnd(), &r);
        document_.rect.x = r.left;
        document_.rect.y = r.top;
    }
    // Only what is on disk counts as saved.
    if (!DocumentFile(settings_.programDir, kDockKapName, kDockTypeTag).Write(ComposeDockText(document_))) return false;
    modified_ = false;
    return true;
}

BOOL CVimoRemoteKap::OnInitDialog() {
    HWND hwnd = Hwnd();
    SetWindowTextA(hwnd, kWindowText);
    metrics_ = DockMetricsFromSkin(Skin());
    layout_ = LayoutDock(metrics_, document_.rect.width, document_.icons.size());
    document_.rect.width = layout_.width;
    document_.rect.height = layout_.height;

    const DockStep start = autoHide_.Start();
    layer_ = std::make_unique<CLayerHost>(hwnd);
    layer_->SetSize(layout_.width, layout_.height);
    layer_->SetConstantAlpha(autoHide_.Alpha());
    SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~WS_CAPTION);
    // A plain top-level window: a child of the desktop window, as a raised kap is.
    SetParent(hwnd, GetDesktopWindow());
    SetWindowPos(hwnd, settings_.remoteKapAlwaysOnTop ? HWND_TOPMOST : HWND_TOP, document_.rect.x, document_.rect.y,
                 layout_.width, layout_.height, SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The icons are viewport items, which are drawn only while their window is shown: the window is
    // made layered (so nothing shows before the first picture) and shown before the first layout.
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ShowWindow(hwnd, SW_SHOWNA);
    BuildItems();
    Layout();
    Apply(start);

    if (dropTarget_.Register(hwnd, WMU_KAP_DROP))
        dropTarget_.SetAccept(KapDropTarget::kFiles | KapDropTarget::kText | KapDropTarget::kDirectories);
    SetTimer(hwnd, kDockSaveTimer, kDockSavePeriod, nullptr);
    return FALSE;
}

void CVimoRemoteKap::BuildItems() {
    const SkinRecord& skin = Skin();
    CLayerHost* host = layer_.get();
    background_ = new CLayerStatic(host, 0, 0, layout_.width, layout_.height);
    SetSkinBackground(background_->Elem(), skin);
    const LayerRect lock = DockLockRect(skin, layout_.width, layout_.height);
    lock_ = new CLayerStatic(host, lock.x, lock.y, lock.width, lock.height);
    lock_->Elem().SetImage(skin.Str("LockFileName"));
    ApplyLockLook();
    BuildIcons();
}

void CVimoRemoteKap::BuildIcons() {
    ClearIcons();
    const DockLayout layout = LayoutDock(metrics_, document_.rect.width, document_.icons.size());
    for (std::size_t i = 0; i < document_.icons.size(); ++i) {
        const LayerRect r = DockIconRect(metrics_, layout, i);
        auto* button = new CLayerButton(layer_.get(), r.x, r.y, r.width, r.height);
        icons_.push_back(button);
        StyleIcon(*button, i);
    }
}

void CVimoRemoteKap::ClearIcons() {
    for (CLayerButton* button : icons_) delete button;
    icons_.clear();
}

std::string CVimoRemoteKap::ImageToShow(const DockIcon& icon) const {
    if (FileExists(icon.image)) return icon.image;
    if (!KapTypeFromIconType(icon.type) && DockActionFromText(icon.action) == DockAction::StartMenu) {
        const std::string start = StartMenuFallbackImage(settings_.programDir);
        if (FileExists(start)) return start;
    }
    return settings_.defaultIcon;
}

void CVimoRemoteKap::StyleIcon(CLayerButton& button, std::size_t index) {
    const SkinRecord& skin = Skin();
    const DockIcon& icon = document_.icons[index];
    button.SetInViewport(true);
    CLayerElement& element = button.Elem();
    element.SetImage(ImageToShow(icon));
    element.SetImagePosition(0, skin.Int("IconVPosition"));
    element.SetBlockText(TextBlockId::Title, icon.title);
    element.SetBlockFont(TextBlockId::Title, skin.Str("IconTitleFont"), skin.Int("IconTitleSize"),
                         skin.Int("IconTitleType"));
    element.SetBlockPosition(TextBlockId::Title, skin.Int("IconTitleHPos"), skin.Int("IconTitleVPos"));
    element.SetBlockColour(TextBlockId::Title, skin.Int("IconTitleAlpha"), skin.Int("IconTitleRed"),
                           skin.Int("IconTitleGreen"), skin.Int("IconTitleBlue"));
    element.SetBlockShadowed(TextBlockId::Title, skin.Int("IconTitleShadowed") != 0);
    element.SetBlockDoubledColour(TextBlockId::Title, skin.Int("IconTitleDoubledAlpha"),
                                  skin.Int("IconTitleDoubledRed"), skin.Int("IconTitleDoubledGreen"),
                                  skin.Int("IconTitleDoubledBlue"));
    button.SetTitleOnlyOnHover(skin.Int("IconTitleOnlyHover") != 0);
    button.SetNormalZoom(skin.Int("IconScaleNormal"));
    button.SetHoverLuminosity(kIconHoverLuminosity);
    LayerNotifications& notify = button.Notifications();
    notify.target = Hwnd();
    notify.commandId = kIconCommandFirst + static_cast<UINT>(index);
    notify.rightButtonMessage = kIconMenuMessage;
    button.DockStrings() = {icon.type, icon.image, icon.action, icon.parameter, icon.title};
}

void CVimoRemoteKap::ApplyLockLook() {
    if (!lock_) return;
    lock_->Elem().SetImageAlphaPercent(document_.locked ? 100 : 0);
    lock_->Repaint();
}

void CVimoRemoteKap::Layout() {
    layout_ = LayoutDock(metrics_, document_.rect.width, icons_.size());
    const int width = layout_.width, height = layout_.height;
    document_.rect.width = width;
    document_.rect.height = height;
    for (std::size_t i = 0; i < icons_.size(); ++i) icons_[i]->SetBounds(DockIconRect(metrics_, layout_, i));
    const LayerRect& view = layout_.viewport;
    layer_->SetViewport(view.x, view.y, view.width, view.height);
    background_->SetBounds(LayerRect{0, 0, width, height});
    lock_->SetBounds(DockLockRect(Skin(), width, height));
    if (layer_->Width() == width && layer_->Height() == height)
        layer_->Refresh();
    else
        layer_->Resize(width, height);
}

void CVimoRemoteKap::Changed() { modified_ = true; }

void CVimoRemoteKap::SetLocked(bool locked) {
    if (document_.locked == locked) return;
    document_.locked = locked;
    ApplyLockLook();
    Changed();
}

// --- icons ---------------------------------------------------------------------------------

void CVimoRemoteKap::RunIcon(std::size_t index) {
    if (index < document_.icons.size()) Run(ResolveIconClick(document_.icons[index]));
}

void CVimoRemoteKap::Run(const DockIconCommand& command) {
    using Kind = DockIconCommand::Kind;
    switch (command.kind) {
    case Kind::CreateKap:
        host_.CreateKap(command.kap);
        break;
    case Kind::ControllerCommand: PostMessageA(host_.HostWindow(), WM_COMMAND, command.command, 0); break;
    case Kind::OpenShell: launcher_.OpenShell(command.target); break;
    case Kind::MinimizeAll: launcher_.MinimizeAll(); break;
    case Kind::UndoMinimizeAll: launcher_.UndoMinimizeAll(); break;
    case Kind::ToggleTaskbar: DockLauncher::ToggleTaskbar(); break;
    case Kind::StartMenu: DockLauncher::OpenStartMenu(); break;
    case Kind::Nothing: break;
    }
}

void CVimoRemoteKap::AddIcon(UINT command) {
    if (document_.locked || document_.icons.size() >= kMaxDockIcons) return;
    const std::optional<DockIcon> icon = IconForAddCommand(command, Skin().Folder());
    if (!icon) return;
    document_.icons.push_back(*icon);
    BuildIcons();
    Layout();
    Changed();
    if (AddCommandEditsIcon(command)) EditIcon(document_.icons.size() - 1);
}

void CVimoRemoteKap::EditIcon(std::size_t index) {
    if (document_.locked || index >= document_.icons.size()) return;
    CVimoRemoteKAPIconConfig dialog(document_.icons[index], Skin().Folder());
    modalOpen_ = true;
    const INT_PTR result = dialog.DoModal(Hwnd());
    modalOpen_ = false;
    if (result != IDOK || !Hwnd() || index >= icons_.size()) return;
    document_.icons[index] = dialog.Icon();
    StyleIcon(*icons_[index], index);
    Layout();
    Changed();
}

void CVimoRemoteKap::RemoveIcon(std::size_t index) {
    if (document_.locked || index >= document_.icons.size()) return;
    document_.icons.erase(document_.icons.begin() + static_cast<std::ptrdiff_t>(index));
    BuildIcons();
    Layout();
    Changed();
}

std::optional<std::size_t> CVimoRemoteKap::IconUnderCursor() const {
    POINT p = {};
    GetCursorPos(&p);
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        RECT r = {};
        if (GetWindowRect(icons_[i]->Input(), &r) && PtInRect(&r, p)) return i;
    }
    return std::nullopt;
}

// --- context menu --------------------------------------------------------------------------

void CVimoRemoteKap::ShowContextMenu(std::optional<std::size_t> icon) {
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = PrepareDockMenu(menu.Get(), DockMenuStateFor(document_.locked, icon.has_value()),
                                   host_.HasWindowBar(), settings_);
    if (!popup) return;
    HWND hwnd = Hwnd();
    SetForegroundWindow(hwnd);
    POINT cursor = {};
    GetCursorPos(&cursor);
    modalOpen_ = true;
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, hwnd, nullptr));
    modalOpen_ = false;
    PostMessageA(hwnd, WM_NULL, 0, 0);
    RunMenuCommand(chosen, icon);
}

void CVimoRemoteKap::RunMenuCommand(UINT command, std::optional<std::size_t> icon) {
    switch (ClassifyDockMenuCommand(command)) {
    case DockMenuCommand::AddIcon: AddIcon(command); break;
    case DockMenuCommand::EditIcon:
        if (icon) EditIcon(*icon);
        break;
    case DockMenuCommand::RemoveIcon:
        if (icon) RemoveIcon(*icon);
        break;
    case DockMenuCommand::Lock: SetLocked(!document_.locked); break;
    case DockMenuCommand::Controller: PostMessageA(host_.HostWindow(), WM_COMMAND, command, 0); break;
    case DockMenuCommand::Nothing: break;
    }
}

bool CVimoRemoteKap::OnCommand(UINT id, UINT, HWND) {
    if (id >= kIconCommandFirst && id - kIconCommandFirst < icons_.size()) {
        RunIcon(id - kIconCommandFirst);
        return true;
    }
    const DockMenuCommand kind = ClassifyDockMenuCommand(id);
    // Editing and removing name the icon under the pointer: they come only from the menu itself.
    if (kind == DockMenuCommand::Nothing || kind == DockMenuCommand::EditIcon || kind == DockMenuCommand::RemoveIcon)
        return false;
    RunMenuCommand(id, std::nullopt);
    return true;
}

// --- mouse, moving and resizing -------------------------------------------------------------

void CVimoRemoteKap::ReassertTopMost() const {
    if (settings_.remoteKapAlwaysOnTop)
        SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CVimoRemoteKap::OnLeftButtonDown() {
    ReassertTopMost();
    if (document_.locked) return;
    Changed();
    // Where the button went down (screen coordinates), not where the pointer is by now.
    const DWORD pressed = GetMessagePos();
    POINT client = {GET_X_LPARAM(pressed), GET_Y_LPARAM(pressed)};
    ScreenToClient(Hwnd(), &client);
    switch (ClassifyDockPress(false, client.x, client.y, document_.rect.width, document_.rect.height)) {
    case DockPress::Resize: StartResize(); break;
    // The move loop runs inside the press, from where the button went down (a posted start would
    // begin wherever the pointer is by then).
    case DockPress::Move: SendMessageA(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(pressed)); break;
    case DockPress::Nothing: break;
    }
}

void CVimoRemoteKap::StartResize() {
    POINT p = {};
    GetCursorPos(&p);
    resize_.emplace(p.x, p.y, document_.rect.width, document_.rect.height);
    host_.SetResizing(true);
    SetCapture(Hwnd());
    SetTimer(Hwnd(), kDockResizeTimer, kDockResizePeriod, nullptr);
}

void CVimoRemoteKap::ResizeStep() {
    if (!resize_) return;
    POINT p = {};
    GetCursorPos(&p);
    if (resize_->Track(p.x, p.y, metrics_.iconWidth, metrics_.iconHeight)) {
        document_.rect.width = resize_->Width();
        Layout();
        Changed();
    }
    if (!PrimaryButtonDown() || GetCapture() != Hwnd()) EndResize();
}

void CVimoRemoteKap::EndResize() {
    if (!resize_) return;
    resize_.reset();
    KillTimer(Hwnd(), kDockResizeTimer);
    if (GetCapture() == Hwnd()) ReleaseCapture();
    host_.SetResizing(false);
}

void CVimoRemoteKap::OnPositionChanging(WINDOWPOS& position) const {
    if (position.flags & SWP_NOMOVE) return;
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

// --- auto-hide --------------------------------------------------------------------------------

void CVimoRemoteKap::ApplyTimer(UINT_PTR id, const DockTimerOrder& order) {
    if (order.stop) KillTimer(Hwnd(), id);
    if (order.start) SetTimer(Hwnd(), id, order.period, nullptr);
}

void CVimoRemoteKap::Apply(const DockStep& step) {
    ApplyTimer(kDockTriggerTimer, step.triggerTimer);
    ApplyTimer(kDockHideTimer, step.hideTimer);
    ApplyTimer(kDockFadeTimer, step.fadeTimer);
    if (step.showWindow && !IsWindowVisible(Hwnd())) {
        ShowWindow(Hwnd(), SW_SHOWNA);
        ReassertTopMost();
        layer_->Refresh(); // at the alpha last shown; the icons are drawn again now that they are shown
    }
    if (step.pushAlpha) layer_->SetAlpha(step.alpha);
    if (step.hideWindow) ShowWindow(Hwnd(), SW_HIDE);
}

bool CVimoRemoteKap::PointerInside() const {
    POINT p = {};
    RECT r = {};
    return GetCursorPos(&p) && GetWindowRect(Hwnd(), &r) && PtInRect(&r, p);
}

void CVimoRemoteKap::OnTimer(UINT_PTR id) {
    switch (id) {
    case kDockSaveTimer:
        if (modified_) SaveDocument(); // one that fails leaves the dock modified: tried again
        break;
    case kDockTriggerTimer: {
        POINT p = {};
        GetCursorPos(&p);
        Apply(autoHide_.OnTriggerTimer(p.x, p.y, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        break;
    }
    case kDockHideTimer: Apply(autoHide_.OnHideTimer(modalOpen_ || resize_.has_value() || PointerInside())); break;
    case kDockFadeTimer: Apply(autoHide_.OnFadeTimer()); break;
    case kDockResizeTimer: ResizeStep(); break;
    default: break;
    }
}

// --- closing ----------------------------------------------------------------------------------

void CVimoRemoteKap::Close() {
    HWND hwnd = Hwnd();
    if (!hwnd) return;
    EndResize();
    for (UINT_PTR timer : {kDockSaveTimer, kDockHideTimer, kDockTriggerTimer, kDockFadeTimer}) KillTimer(hwnd, timer);
    SaveDocument();
}

void CVimoRemoteKap::OnDestroy() {
    Close();
    dropTarget_.Revoke();
    ClearIcons();
    layer_.reset();
    background_ = lock_ = nullptr;
}

bool CVimoRemoteKap::HandleMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLeftButtonDown();
        result = 0;
        return true;
    case WM_RBUTTONDOWN:
        ShowContextMenu(std::nullopt);
        result = 0;
        return true;
    case kIconMenuMessage:
        ShowContextMenu(IconUnderCursor());
        result = 0;
        return true;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (resize_) ResizeStep();
        return false;
    case WM_SETCURSOR: {
        if (document_.locked) return false;
        POINT p = {};
        GetCursorPos(&p);
        ScreenToClient(Hwnd(), &p);
        if (resize_ ||
            ClassifyDockPress(false, p.x, p.y, document_.rect.width, document_.rect.height) == DockPress::Resize) {
            SetCursor(LoadCursor(nullptr, IDC_SIZENWSE));
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_WINDOWPOSCHANGING: OnPositionChanging(*reinterpret_cast<WINDOWPOS*>(lParam)); return false;
    case WM_MOVE:
        if (layer_) layer_->SyncWindowRect();
        return false;
    case WMU_KAP_DROP:
        if (!document_.locked && document_.icons.size() < kMaxDockIcons) {
            if (std::optional<DockIcon> icon = IconForDrop(dropTarget_.Dropped(), Skin().Folder())) {
                document_.icons.push_back(*icon);
                BuildIcons();
                Layout();
                Changed();
            }
        }
        result = 0;
        return true;
    default: return false;
    }
}

} // namespace vimo
