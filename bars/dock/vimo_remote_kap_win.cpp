#include "bars/dock/vimo_remote_kap_win.h"

#include "base/path_kind_win.h"
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
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

// Hover luminosity of the icons, in percent.
constexpr int kIconHoverLuminosity = 60;

} // namespace

CVimoRemoteKap::CVimoRemoteKap(KapHost& host, Settings& settings)
    : CLaunchBar(host, settings, SkinType::RemoteKap,
                 DockAutoHideOptions{settings.remoteKapAutoHide != 0, settings.remoteKapFadeInOut != 0,
                                     settings.remoteKapHideDelay, settings.remoteKapTrigger}) {}

bool CVimoRemoteKap::AlwaysOnTop() const { return AppSettings().remoteKapAlwaysOnTop != 0; }

CVimoRemoteKap::~CVimoRemoteKap() = default;

std::unique_ptr<CVimoRemoteKap> MakeRemoteKap(KapHost& host, Settings& settings) {
    // Made whole, so that its window goes (and its destroy handler saves the document) while the
    // whole dock lives.
    std::unique_ptr<CVimoRemoteKap> dock = MakeWholeDialog<CVimoRemoteKap>(host, settings);
    if (!dock->CreateDock()) return nullptr;
    return dock;
}

DocumentFile CVimoRemoteKap::File() const { return DocumentFile(AppSettings().programDir, kDockKapName, kDockTypeTag); }

bool CVimoRemoteKap::CreateDock() {
    // A document another program holds is left alone: no dock this time rather than a new one over it.
    if (!LoadDocument(DocumentPath())) return false;
    return Create(nullptr) != nullptr;
}

bool CVimoRemoteKap::TakeDocument(const std::string& text) {
    const SkinSize design = DesignSize(Skin());
    std::optional<DockDocument> document = ParseDockText(text, KapRect{0, 0, design.width, design.height});
    if (!document) return false;
    Adopt(std::move(*document));
    return true;
}

void CVimoRemoteKap::StartNewDocument() {
    const SkinSize design = DesignSize(Skin());
    Adopt(NewDockDocument(design.width, design.height, Skin().Folder(),
                          [this](KapType type) { return Host().CanCreate(type); }));
}

void CVimoRemoteKap::Adopt(DockDocument document) {
    icons_ = std::move(document.icons);
    MutableRect() = document.rect;
    TakeLocked(document.locked);
}

std::string CVimoRemoteKap::DocumentText() const { return ComposeDockText(DockDocument{Locked(), Rect(), icons_}); }

BOOL CVimoRemoteKap::OnInitDialog() {
    HWND hwnd = Hwnd();
    SetWindowTextA(hwnd, kWindowText);
    metrics_ = DockMetricsFromSkin(Skin());
    layout_ = LayoutDock(metrics_, Rect().width, icons_.size());
    KapRect& rect = MutableRect();
    rect.width = layout_.width;
    rect.height = layout_.height;

    const DockStep start = AutoHide().Start();
    CreateLayer(layout_.width, layout_.height, AutoHide().Alpha());
    // A plain top-level window: a child of the desktop window, as a raised kap is.
    SetParent(hwnd, GetDesktopWindow());
    SetWindowPos(hwnd, AppSettings().remoteKapAlwaysOnTop ? HWND_TOPMOST : HWND_TOP, rect.x, rect.y, layout_.width,
                 layout_.height, SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The icons are viewport items, which are drawn only while their window is shown: the window is
    // made layered (so nothing shows before the first picture) and shown before the first layout.
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ShowWindow(hwnd, SW_SHOWNA);
    BuildItems();
    Layout();
    Apply(start);
    StartChrome();
    return FALSE;
}

void CVimoRemoteKap::BuildItems() {
    const SkinRecord& skin = Skin();
    background_ = new CLayerStatic(Layer(), 0, 0, layout_.width, layout_.height);
    SetSkinBackground(background_->Elem(), skin);
    MakeLockImage(DockLockRect(skin, layout_.width, layout_.height));
    FollowLock();
    BuildIcons();
}

void CVimoRemoteKap::BuildIcons() {
    ClearIcons();
    const DockLayout layout = LayoutDock(metrics_, Rect().width, icons_.size());
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const LayerRect r = DockIconRect(metrics_, layout, i);
        auto* button = new CLayerButton(Layer(), r.x, r.y, r.width, r.height);
        buttons_.push_back(button);
        StyleIcon(*button, i);
    }
}

void CVimoRemoteKap::ClearIcons() {
    for (CLayerButton* button : buttons_) delete button;
    buttons_.clear();
}

std::string CVimoRemoteKap::ImageToShow(const DockIcon& icon) const {
    if (IsFile(icon.image)) return icon.image;
    if (!KapTypeFromIconType(icon.type) && DockActionFromText(icon.action) == DockAction::StartMenu) {
        const std::string start = StartMenuFallbackImage(AppSettings().programDir);
        if (IsFile(start)) return start;
    }
    return AppSettings().defaultIcon;
}

void CVimoRemoteKap::StyleIcon(CLayerButton& button, std::size_t index) {
    const SkinRecord& skin = Skin();
    const DockIcon& icon = icons_[index];
    button.SetInViewport(true);
    CLayerElement& element = button.Elem();
    element.SetImage(ImageToShow(icon));
    element.SetImagePosition(0, skin.Int("IconVPosition"));
    element.SetBlockText(TextBlockId::Title, icon.title);
    element.SetBlockStyle(TextBlockId::Title, skin.TextStyle("IconTitle"));
    element.SetBlockPosition(TextBlockId::Title, skin.Int("IconTitleHPos"), skin.Int("IconTitleVPos"));
    button.SetTitleOnlyOnHover(skin.Int("IconTitleOnlyHover") != 0);
    button.SetNormalZoom(skin.Int("IconScaleNormal"));
    button.SetHoverLuminosity(kIconHoverLuminosity);
    LayerNotifications& notify = button.Notifications();
    notify.target = Hwnd();
    notify.commandId = kIconCommandFirst + static_cast<UINT>(index);
    notify.rightButtonMessage = kIconMenuMessage;
    button.DockStrings() = {icon.type, icon.image, icon.action, icon.parameter, icon.title};
}

void CVimoRemoteKap::Layout() {
    layout_ = LayoutDock(metrics_, Rect().width, buttons_.size());
    const int width = layout_.width, height = layout_.height;
    MutableRect().width = width;
    MutableRect().height = height;
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetBounds(DockIconRect(metrics_, layout_, i));
    CLayerHost* layer = Layer();
    const LayerRect& view = layout_.viewport;
    layer->SetViewport(view.x, view.y, view.width, view.height);
    background_->SetBounds(LayerRect{0, 0, width, height});
    LockImage()->SetBounds(DockLockRect(Skin(), width, height));
    if (layer->Width() == width && layer->Height() == height)
        layer->Refresh();
    else
        layer->Resize(width, height);
}

// --- icons ---------------------------------------------------------------------------------

void CVimoRemoteKap::RunIcon(std::size_t index) {
    if (index < icons_.size()) Run(ResolveIconClick(icons_[index]));
}

void CVimoRemoteKap::Run(const DockIconCommand& command) {
    using Kind = DockIconCommand::Kind;
    switch (command.kind) {
    case Kind::CreateKap: Host().CreateKap(command.kap); break;
    case Kind::ControllerCommand: PostMessageA(Owner(), WM_COMMAND, command.command, 0); break;
    case Kind::OpenShell: launcher_.OpenShell(command.target); break;
    case Kind::MinimizeAll: launcher_.MinimizeAll(); break;
    case Kind::UndoMinimizeAll: launcher_.UndoMinimizeAll(); break;
    case Kind::ToggleTaskbar: DockLauncher::ToggleTaskbar(); break;
    case Kind::StartMenu: DockLauncher::OpenStartMenu(); break;
    case Kind::Nothing: break;
    }
}

void CVimoRemoteKap::AddIcon(UINT command) {
    if (Locked() || icons_.size() >= kMaxDockIcons) return;
    const std::optional<DockIcon> icon = IconForAddCommand(command, Skin().Folder());
    if (!icon) return;
    icons_.push_back(*icon);
    BuildIcons();
    Layout();
    SetDirty();
    if (AddCommandEditsIcon(command)) EditIcon(icons_.size() - 1);
}

void CVimoRemoteKap::EditIcon(std::size_t index) {
    if (Locked() || index >= icons_.size()) return;
    CVimoRemoteKAPIconConfig dialog(icons_[index], Skin().Folder());
    SetModalOpen(true);
    const INT_PTR result = dialog.DoModal(Hwnd());
    SetModalOpen(false);
    if (result != IDOK || !Hwnd() || index >= buttons_.size()) return;
    icons_[index] = dialog.Icon();
    StyleIcon(*buttons_[index], index);
    Layout();
    SetDirty();
}

void CVimoRemoteKap::RemoveIcon(std::size_t index) {
    if (Locked() || index >= icons_.size()) return;
    icons_.erase(icons_.begin() + static_cast<std::ptrdiff_t>(index));
    BuildIcons();
    Layout();
    SetDirty();
}

std::optional<std::size_t> CVimoRemoteKap::IconOfInput(HWND input) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Input() == input) return i;
    return std::nullopt;
}

// --- context menu --------------------------------------------------------------------------

void CVimoRemoteKap::ShowContextMenu(std::optional<std::size_t> icon) {
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup =
        PrepareDockMenu(menu.Get(), DockMenuStateFor(Locked(), icon.has_value()), Host().HasWindowBar(), AppSettings());
    if (!popup) return;
    HWND hwnd = Hwnd();
    SetForegroundWindow(hwnd);
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetModalOpen(true);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, hwnd, nullptr));
    SetModalOpen(false);
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
    case DockMenuCommand::Lock: SetLocked(!Locked()); break;
    case DockMenuCommand::Controller: PostMessageA(Owner(), WM_COMMAND, command, 0); break;
    case DockMenuCommand::Nothing: break;
    }
}

bool CVimoRemoteKap::OnCommand(UINT id, UINT, HWND) {
    if (id >= kIconCommandFirst && id - kIconCommandFirst < buttons_.size()) {
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

// --- resizing ---------------------------------------------------------------------------------

void CVimoRemoteKap::OnResizeTo(int width, int) {
    MutableRect().width = width; // the height follows the icons
    Layout();
}

// --- closing ----------------------------------------------------------------------------------

void CVimoRemoteKap::Close() { CloseBar(); }

void CVimoRemoteKap::OnDestroy() {
    Close();
    ClearIcons();
    CKapChrome::OnDestroy();
    background_ = nullptr;
}

unsigned CVimoRemoteKap::DropAccept() const {
    return KapDropTarget::kFiles | KapDropTarget::kText | KapDropTarget::kDirectories;
}

void CVimoRemoteKap::OnDrop(const std::string& dropped) {
    if (Locked() || icons_.size() >= kMaxDockIcons) return;
    if (std::optional<DockIcon> icon = IconForDrop(dropped, Skin().Folder())) {
        icons_.push_back(*icon);
        BuildIcons();
        Layout();
        SetDirty();
    }
}

bool CVimoRemoteKap::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_RBUTTONDOWN:
        ShowContextMenu(std::nullopt);
        result = 0;
        return true;
    case kIconMenuMessage:
        ShowContextMenu(IconOfInput(reinterpret_cast<HWND>(wParam)));
        result = 0;
        return true;
    default: return CLaunchBar::HandleMessage(msg, wParam, lParam, result);
    }
}

} // namespace vimo
