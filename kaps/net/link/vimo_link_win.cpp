#include "kaps/net/link/vimo_link_win.h"

#include <algorithm>

#include "base/messages.h"
#include "base/path_kind_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/net/link/vimo_link_config_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_scroll_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_layout.h"
#include "layer/skin/skin_list_items_win.h"
#include "wnd/menu_handle_win.h"
#include "wnd/text_reply_win.h"

namespace vimo {

namespace {

// Rows below this index post their own right-button message (WMU_LINK_ROW_MENU_BASE + index); the
// numbers of further rows would be the kap's drop message and beyond, so those rows post the plain
// right-button message and the kap finds the row under the pointer.
constexpr unsigned kRowMessages = WMU_KAP_DROP - WMU_LINK_ROW_MENU_BASE;
constexpr int kIconInset = 3;

const char* IconKey(LinkIcon icon) {
    switch (icon) {
    case LinkIcon::Folder: return "FolderFileName";
    case LinkIcon::Web: return "LinkFileName";
    default: return "FileFileName";
    }
}

} // namespace

CVimoLink::CVimoLink(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Link, settings, documentPath) {}

CVimoLink::~CVimoLink() = default;

std::string CVimoLink::RowsText() const {
    std::string text;
    for (const LinkItem& item : links_.Items()) text += item.title + "\n";
    return text;
}

void CVimoLink::ReadPayload(DocumentReader& reader) {
    std::vector<LinkItem> items;
    ReadLinkPayload(reader, items);
    links_.Assign(std::move(items));
    KeepAtLeastSkinSize();
}

// --- items -----------------------------------------------------------------------------------------

void CVimoLink::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    background_ = MakeBackgroundAndLock();
    title_ = MakeSkinTitle(host, skin, kTitle);
    scroll_ = MakeSkinScrollH(host, skin, Hwnd(), kHScrollMessage);
    RebuildRows();
}

void CVimoLink::StyleRow(CLayerLink& row, const LinkItem& item, std::size_t index, LinkIcon icon) {
    const SkinRecord& skin = Skin();
    const int height = skin.Int("LinkHeight");
    CLayerElement& element = row.Elem();
    element.SetBackgroundColour(skin.Colour("LinkBk"));
    element.SetImage(skin.Str(IconKey(icon)));
    element.SetImageMargins(kIconInset, kIconInset, skin.Int("ContenerMaxWidth") - height + kIconInset, kIconInset);
    element.SetBlockStyle(TextBlockId::Title, skin.TextStyle("Link"));
    element.SetBlockPosition(TextBlockId::Title, skin.Int("LinkHPos"), skin.Int("LinkVPos"));
    element.SetBlockMargins(TextBlockId::Title, height + 1, 0, 0, 0);
    element.SetBlockText(TextBlockId::Title, item.title);
    row.SetTarget(item.target);
    LayerNotifications& forward = row.Notifications();
    forward.target = Hwnd();
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    forward.rightButtonMessage =
        index < kRowMessages ? LinkRowMenuMessage(static_cast<unsigned>(index)) : static_cast<UINT>(WM_RBUTTONDOWN);
}

void CVimoLink::RebuildRows() {
    for (CLayerLink* row : rows_) delete row;
    rows_.clear();
    const SkinRecord& skin = Skin();
    const int step = skin.Int("LinkHeight") + skin.Int("LinkVSpacing");
    for (std::size_t i = 0; i < links_.Size(); ++i) {
        const LinkItem& item = links_.Items()[i];
        auto* row =
            new CLayerLink(Layer(), skin.Int("ContenerPosX"), skin.Int("ContenerPosY") + static_cast<int>(i) * step,
                           skin.Int("ContenerMaxWidth"), std::max(1, skin.Int("LinkHeight")));
        row->SetInViewport(true);
        StyleRow(*row, item, i, IconOfTarget(item.target, IsFolder(item.target)));
        rows_.push_back(row);
    }
    if (rows_.empty()) originX_ = 0;
    ShowSkinScrollHActive(*scroll_, skin, !rows_.empty());
}

void CVimoLink::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(skin, "Lock", kap));
    scroll_->SetBounds(SkinScrollHRect(skin, kap));
    scroll_->SetRange(skin.Int("ContenerMaxWidth"));
    const LayerRect view = ContenerRect(skin, kap);
    Layer()->SetViewport(view.x, view.y, view.width, view.height);
    // A smaller kap may leave the list scrolled past its end.
    const int step = skin.Int("LinkHeight") + skin.Int("LinkVSpacing");
    const int total = static_cast<int>(rows_.size()) * step;
    originY_ = total > view.height ? std::max(originY_, view.height - total) : 0;
    PlaceRows();
}

void CVimoLink::PlaceRows() { ScrollViewport(*Layer(), originX_, originY_, rows_); }

void CVimoLink::Changed() {
    LayoutItems();
    Layer()->Refresh();
    SetDirty();
}

// --- scrolling -------------------------------------------------------------------------------------

void CVimoLink::Wheel(int delta) {
    const SkinRecord& skin = Skin();
    const int total = static_cast<int>(rows_.size()) * (skin.Int("LinkHeight") + skin.Int("LinkVSpacing"));
    const int visible = ContenerRect(skin, SkinSize{Rect().width, Rect().height}).height;
    const int moved = ContenerWheelOrigin(originY_, delta, total, visible);
    if (moved == originY_) return;
    originY_ = moved;
    PlaceRows();
    Layer()->Refresh();
}

void CVimoLink::OnHorizontalScroll(int percent) {
    if (rows_.empty()) return;
    originX_ = ContenerScrollOriginX(Skin(), Rect().width, percent);
    PlaceRows();
    Layer()->Refresh();
}

// --- commands and messages -------------------------------------------------------------------------

void CVimoLink::PrepareContextMenu(HMENU popup) {
    const bool onRow = links_.Selected() >= 0;
    EnableCommand(popup, ID_LINK_EDIT, onRow);
    EnableCommand(popup, ID_LINK_DELETE_ITEM, onRow);
    EnableCommand(popup, ID_LINK_DELETE, !onRow);
}

void CVimoLink::AddLink() {
    CVimoLinkConfig dialog(LinkItem{});
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    links_.Insert(dialog.Item());
    RebuildRows();
    Changed();
}

void CVimoLink::EditLink() {
    if (links_.Selected() < 0) return;
    CVimoLinkConfig dialog(links_.Items()[static_cast<std::size_t>(links_.Selected())]);
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    if (!links_.Edit(dialog.Item())) return;
    RebuildRows();
    Changed();
}

bool CVimoLink::OnKapCommand(UINT id) {
    bool changed = false;
    switch (id) {
    case ID_LINK_ADD: AddLink(); return true;
    case ID_LINK_EDIT: EditLink(); return true;
    case ID_LINK_DELETE_ITEM: changed = links_.RemoveSelected(); break;
    case ID_LINK_MOVE_UP: changed = links_.MoveUp(); break;
    case ID_LINK_MOVE_DOWN: changed = links_.MoveDown(); break;
    default: return false;
    }
    if (changed) {
        RebuildRows();
        Changed();
    }
    return true;
}

void CVimoLink::ShowMenuOverRowAtCursor() {
    POINT p = {};
    GetCursorPos(&p);
    ScreenToClient(Hwnd(), &p);
    const CLayerItem* under = Layer()->ItemAt(p.x, p.y);
    const auto row = std::find(rows_.begin(), rows_.end(), under);
    links_.Select(row == rows_.end() ? -1 : static_cast<int>(row - rows_.begin()));
    ShowContextMenu();
}

bool CVimoLink::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg >= WMU_LINK_ROW_MENU_BASE &&
        msg < WMU_LINK_ROW_MENU_BASE + std::min<std::size_t>(rows_.size(), kRowMessages)) {
        links_.Select(static_cast<int>(msg - WMU_LINK_ROW_MENU_BASE));
        ShowContextMenu();
        result = 0;
        return true;
    }
    switch (msg) {
    case WM_RBUTTONDOWN:
        ShowMenuOverRowAtCursor();
        result = 0;
        return true;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        result = 0;
        return true;
    case kHScrollMessage:
        OnHorizontalScroll(static_cast<int>(wParam));
        result = 0;
        return true;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(RowsText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(RowsText(), wParam, lParam); return true;
    default: return false;
    }
}

unsigned CVimoLink::DropAccept() const { return KapDropTarget::kFiles | KapDropTarget::kDirectories; }

void CVimoLink::OnDrop(const std::string& dropped) {
    links_.Select(-1);
    links_.Insert(LinkItem{dropped, dropped});
    RebuildRows();
    Changed();
}

} // namespace vimo
