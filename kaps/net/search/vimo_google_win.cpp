#include "kaps/net/search/vimo_google_win.h"

#include "base/messages.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/net/search/search_address.h"
#include "layer/controls/layer_edit_line_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/text_reply_win.h"

namespace vimo {

CVimoGoogle::CVimoGoogle(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Google, settings, documentPath) {}

CVimoGoogle::~CVimoGoogle() = default;

std::string CVimoGoogle::LinkTarget() const { return icon_ ? icon_->Target() : std::string(); }

void CVimoGoogle::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    MakeBackgroundAndLock();

    const LayerRect iconRect = ElementRect(skin, "TitleIcon", kap);
    icon_ = new CLayerLink(host, iconRect.x, iconRect.y, iconRect.width, iconRect.height);
    icon_->Elem().SetImage(skin.Str("TitleIconFileName"));
    LayerNotifications& iconForward = icon_->Notifications();
    iconForward.target = Hwnd();
    iconForward.rightButtonMessage = WM_RBUTTONDOWN;
    iconForward.doubleClickMessage = WM_LBUTTONDBLCLK;
    iconForward.moveMessage = WM_MOUSEMOVE;
    // Until the first change of the text, the icon opens the search service's home page.
    icon_->SetTarget(AppSettings().skins.Data(SkinType::Google).Str("NavigateURL"));

    const LayerRect editRect = ElementRect(skin, "Edit", kap);
    edit_ = new CLayerEditLine(host, editRect.x, editRect.y, editRect.width, editRect.height);
    edit_->SetEditMargins(skin.Int("EditMarginLeft"), skin.Int("EditMarginTop"), skin.Int("EditMarginRight"),
                          skin.Int("EditMarginBottom"));
    edit_->SetBackgroundColour(skin.Colour("EditBackground"));
    edit_->SetFocusedBackgroundColour(skin.Colour("EditBackgroundFocused"));
    edit_->SetScrollSizes(0, skin.Int("EditHScrollSize"));
    edit_->SetScrollColour(skin.Colour("EditScroll"));
    edit_->SetFocusFrame(skin.Int("EditFocusFrameSize"), skin.Colour("EditFocusFrame"));
    const LayerTextStyle text = skin.TextStyle("Edit");
    edit_->SetTextFont(text.font, text.size, text.type);
    edit_->SetTextColour(text.colour.alpha, text.colour.red, text.colour.green, text.colour.blue);
    edit_->SetTextShadowed(text.shadowed);
    if (text.doubled)
        edit_->SetTextDoubledColour(text.doubled->alpha, text.doubled->red, text.doubled->green, text.doubled->blue);
    edit_->SetFocusable(true);
    LayerNotifications& editForward = edit_->Notifications();
    editForward.target = Hwnd();
    editForward.valueMessage = WMU_EDIT_TEXT;
    editForward.clickMessage = WM_LBUTTONDOWN;
    editForward.rightButtonMessage = WM_RBUTTONDOWN;
    editForward.doubleClickMessage = WM_LBUTTONDBLCLK;
}

void CVimoGoogle::UpdateTarget() {
    const SkinRecord& data = AppSettings().skins.Data(SkinType::Google);
    icon_->SetTarget(
        SearchAddress(edit_->Text(), data.Str("SearchBeginURL"), data.Str("SearchEndURL"), data.Str("NavigateURL")));
}

bool CVimoGoogle::OnKapCommand(UINT id) {
    if (id != ID_GOOGLE_OPEN) return false;
    if (icon_->HasTarget()) CLayerLink::ShellOpen(icon_->Target()); // as a click on the icon
    return true;
}

bool CVimoGoogle::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WMU_EDIT_TEXT:
        UpdateTarget();
        result = 0;
        return true;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(LinkTarget().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(LinkTarget(), wParam, lParam); return true;
    default: return false;
    }
}

unsigned CVimoGoogle::DropAccept() const { return KapDropTarget::kText; }

void CVimoGoogle::OnDrop(const std::string& dropped) {
    edit_->SetText(SearchTextFromDrop(dropped));
    UpdateTarget();
    SetDirty();
    Layer()->Refresh();
}

bool CVimoGoogle::FocusOnHover() const { return !edit_ || !edit_->IsFocused(); }

void CVimoGoogle::TakeFocus() {
    if (edit_) SetFocus(edit_->Input());
}

} // namespace vimo
