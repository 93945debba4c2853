#include "kaps/net/news/vimo_news_win.h"

#include <algorithm>

#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/net/news/vimo_url_win.h"
#include "kaps/net/services/connectivity_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_scroll_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/menu_handle_win.h"

namespace vimo {

namespace {

constexpr const char* kMessageFont = "Arial";
constexpr int kMessageSize = 10;
// Texts start at the left of their rows, a little in from the edge; titles and dates sit in the
// middle of their rows, descriptions at the top of theirs.
constexpr int kNear = 1, kCentre = 0;
constexpr int kTextInset = 6;

struct IntervalChoice {
    UINT command;
    int milliseconds;
};
constexpr IntervalChoice kIntervals[] = {{ID_NEWS_INTERVAL_5M, kNewsInterval5Min},
                                         {ID_NEWS_INTERVAL_30M, kNewsInterval30Min},
                                         {ID_NEWS_INTERVAL_60M, kNewsInterval60Min}};

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A text block styled by the skin keys of a prefix ("Title", "NewsDate", ...).
void StyleText(CLayerElement& element, const SkinRecord& skin, const std::string& prefix, const std::string& text,
               int vPos = kCentre) {
    element.SetBlockStyle(TextBlockId::Title, skin.TextStyle(prefix));
    element.SetBlockPosition(TextBlockId::Title, kNear, vPos);
    element.SetBlockMargins(TextBlockId::Title, kTextInset, 0, kTextInset, 0);
    element.SetBlockText(TextBlockId::Title, text);
}

} // namespace

CVimoNews::CVimoNews(KapHost& host, Settings& settings, const std::string& documentPath)
    : CFeedKap(host, KapType::News, settings, documentPath) {}

CVimoNews::~CVimoNews() = default;

std::string CVimoNews::TitleText() const { return title_ ? title_->Elem().Block(TextBlockId::Title).text : ""; }

std::string CVimoNews::ItemTitle(std::size_t index) const {
    return index < ItemCount() ? items_[3 * index]->Elem().Block(TextBlockId::Title).text : "";
}

LayerRect CVimoNews::ItemRect(std::size_t index, int row) const {
    return index < ItemCount() ? items_[3 * index + static_cast<std::size_t>(row)]->Rect() : LayerRect{};
}

void CVimoNews::ReadPayload(DocumentReader& reader) {
    ReadNewsPayload(reader, values_);
    const SkinSize size = ClampContenerKapSize(Skin(), SkinSize{Rect().width, Rect().height});
    MutableRect().width = size.width;
    MutableRect().height = size.height;
}

int CVimoNews::MaximumWidth() const { return ContenerMaxKapWidth(Skin()); }

// --- items -----------------------------------------------------------------------------------------

void CVimoNews::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    background_ = MakeBackgroundAndLock();
    title_ = new CLayerLink(host, skin.Int("TitlePosX"), skin.Int("TitlePosY"), skin.Int("TitleWidth"),
                            skin.Int("TitleHeight"));
    LayerNotifications& forward = title_->Notifications();
    forward.target = Hwnd();
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    scroll_ = new CLayerScrollH(host, skin.Int("HScrollPosX"), skin.Int("HScrollPosY"), skin.Int("HScrollWidth"),
                                skin.Int("HScrollHeight"));
    scroll_->Notifications().target = Hwnd();
    scroll_->Notifications().valueMessage = kHScrollMessage;
    contentBottom_ = skin.Int("ContenerPosY");
    ShowMessage(""); // nothing shown yet
}

void CVimoNews::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const int growX = r.width - skin.Int("IconWidth"), growY = r.height - skin.Int("IconHeight");
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(skin, "Lock", SkinSize{r.width, r.height}));
    title_->SetBounds(LayerRect{skin.Int("TitlePosX"), skin.Int("TitlePosY"), growX + skin.Int("TitleWidth"),
                                skin.Int("TitleHeight")});
    scroll_->SetBounds(LayerRect{skin.Int("HScrollPosX"), growY + skin.Int("HScrollPosY"),
                                 growX + skin.Int("HScrollWidth"), skin.Int("HScrollHeight")});
    scroll_->SetRange(skin.Int("ContenerMaxWidth"));
    const LayerRect view = ContenerRect(skin, SkinSize{r.width, r.height});
    Layer()->SetViewport(view.x, view.y, view.width, view.height);
    // A new size starts the list from its top-left corner again.
    if (r.width != laidOutWidth_ || r.height != laidOutHeight_) {
        if (laidOutWidth_ != 0) {
            originX_ = originY_ = 0;
            scroll_->SetPercent(0);
        }
        laidOutWidth_ = r.width;
        laidOutHeight_ = r.height;
    }
    ApplyOrigins();
}

void CVimoNews::ApplyOrigins() { ScrollViewport(*Layer(), originX_, originY_, items_); }

int CVimoNews::ViewportBottom() const {
    const SkinRecord& skin = Skin();
    return skin.Int("ContenerPosY") + Rect().height - skin.Int("IconHeight") + skin.Int("ContenerHeight");
}

void CVimoNews::ShowMessage(const std::string& text) {
    CLayerElement& element = title_->Elem();
    element.SetBlockFont(TextBlockId::Title, kMessageFont, kMessageSize, 0);
    element.SetBlockColour(TextBlockId::Title, 255, 0, 0, 0);
    element.SetBlockShadowed(TextBlockId::Title, false);
    element.SetBlockText(TextBlockId::Title, text);
    element.SetBackgroundImage("", 0, 0, 0, 0);
    element.SetBackgroundColour(1, 255, 255, 255);
    const LayerColour faint{1, 255, 255, 255};
    scroll_->SetTrackColours(faint, faint);
    EnableWindow(scroll_->Input(), FALSE);
    title_->Repaint();
    scroll_->Repaint();
}

void CVimoNews::ClearList() {
    for (CLayerLink* item : items_) delete item;
    items_.clear();
    originX_ = originY_ = 0;
    contentBottom_ = Skin().Int("ContenerPosY");
    ApplyOrigins();
}

CLayerLink* CVimoNews::AddRow(const std::string& prefix, const std::string& text, int height, int vPos) {
    const SkinRecord& skin = Skin();
    auto* row = new CLayerLink(Layer(), skin.Int(prefix + "PosX"), contentBottom_, skin.Int("ContenerMaxWidth"),
                               height > 0 ? height : 1);
    row->SetInViewport(true);
    CLayerElement& element = row->Elem();
    element.SetBackgroundColour(skin.Colour(prefix + "Bk"));
    StyleText(element, skin, prefix, text, vPos);
    LayerNotifications& forward = row->Notifications();
    forward.target = Hwnd();
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    items_.push_back(row);
    return row;
}

void CVimoNews::BuildList() {
    const SkinRecord& skin = Skin();
    IXMLDOMElement* root = Xml().Root();
    for (const ComPtr<IXMLDOMNode>& channel : SelectNodes(root, "//channel")) {
        CLayerElement& element = title_->Elem();
        StyleText(element, skin, "Title", SelectText(channel.Get(), "title"));
        SetSkinBackground(element, skin, "TitleBk");
        title_->SetTarget(SelectText(channel.Get(), "link"));
        scroll_->SetTrackColours(skin.Colour("HScrollBkInactive"), skin.Colour("HScrollBkActive"));
        scroll_->SetRange(skin.Int("ContenerMaxWidth"));
        EnableWindow(scroll_->Input(), TRUE);
    }
    std::size_t shown = 0;
    for (const ComPtr<IXMLDOMNode>& item : SelectNodes(root, "//item")) {
        if (shown++ == kMaxNewsItems) break;
        CLayerLink* title = AddRow("NewsTitle", SelectText(item.Get(), "title"), skin.Int("NewsTitleHeight"));
        title->SetTarget(SelectText(item.Get(), "link"));
        contentBottom_ += skin.Int("NewsTitleHeight");
        CLayerLink* date = AddRow("NewsDate", SelectText(item.Get(), "pubDate"), skin.Int("NewsDateHeight"));
        contentBottom_ += skin.Int("NewsDateHeight");
        CLayerLink* description =
            AddRow("NewsContent", ShownDescription(SelectText(item.Get(), "description")), 1, kNear);
        const int height = description->Elem().MeasureTextHeight(skin.Int("ContenerMaxWidth"));
        description->SetBounds(
            LayerRect{description->Rect().x, contentBottom_, skin.Int("ContenerMaxWidth"), std::max(1, height)});
        contentBottom_ += height;
        // Date and description rows move the kap like its background; a title opens its item.
        for (CLayerLink* row : {date, description}) row->Notifications().clickMessage = WM_LBUTTONDOWN;
    }
    title_->Repaint();
    scroll_->Repaint();
}

// --- downloading and showing -----------------------------------------------------------------------

void CVimoNews::StartDownload() {
    if (values_.url.empty()) return;
    Download().Start(values_.url, AppSettings().programDir + "\\Temp", FeedFile());
}

void CVimoNews::UpdateNow() {
    Download().ForceIdle();
    StartDownload();
}

void CVimoNews::ShowResult(DownloadStatus status) {
    if (!TestConnectivity().connected) {
        ClearList();
        lastShownSize_ = 0;
        ShowMessage(kNoConnection);
    } else if (status == DownloadStatus::Downloaded) {
        if (!Xml().Load(FeedFile())) {
            ClearList();
            lastShownSize_ = 0;
            ShowMessage(kNoRss);
        } else {
            const long long size = FileSize(FeedFile());
            if (size != lastShownSize_) {
                lastShownSize_ = size;
                ClearList();
                if (Xml().Root()) {
                    BuildList();
                } else {
                    lastShownSize_ = 0;
                    ShowMessage(kNoRss);
                }
            }
        }
    } else {
        ClearList();
        lastShownSize_ = 0;
        ShowMessage(kNoXml);
    }
}

// --- scrolling -------------------------------------------------------------------------------------

void CVimoNews::Wheel(int delta) {
    const int moved = ContenerWheelOrigin(originY_, delta, contentBottom_, ViewportBottom());
    if (moved == originY_) return;
    originY_ = moved;
    ApplyOrigins();
    SetRedraw();
}

void CVimoNews::OnHorizontalScroll(int percent) {
    if (lastShownSize_ == 0) return;
    originX_ = ContenerScrollOriginX(Skin(), Rect().width, percent);
    ApplyOrigins();
    SetRedraw();
}

// --- commands and messages -------------------------------------------------------------------------

void CVimoNews::SetInterval(int milliseconds) {
    values_.intervalMs = milliseconds;
    RestartRefreshTimer();
    SetDirty();
}

void CVimoNews::OpenSettings() {
    CVimoURL dialog(values_.url, values_.active);
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    values_.url = dialog.Url();
    values_.active = dialog.Active();
    SetDirty();
    if (values_.active) StartDownload();
}

void CVimoNews::PrepareContextMenu(HMENU popup) {
    for (const IntervalChoice& choice : kIntervals)
        CheckCommand(popup, choice.command, values_.intervalMs == choice.milliseconds);
}

bool CVimoNews::OnKapCommand(UINT id) {
    for (const IntervalChoice& choice : kIntervals)
        if (id == choice.command) {
            SetInterval(choice.milliseconds);
            return true;
        }
    switch (id) {
    case ID_NEWS_UPDATE: UpdateNow(); return true;
    case ID_NEWS_SETTINGS: OpenSettings(); return true;
    default: return false;
    }
}

unsigned CVimoNews::DropAccept() const { return KapDropTarget::kFiles | KapDropTarget::kText; }

void CVimoNews::OnDrop(const std::string& dropped) {
    const std::string url = FeedAddressFromDrop(dropped);
    if (url.empty()) return;
    values_.url = url;
    values_.active = true;
    SetDirty();
    StartDownload();
}

bool CVimoNews::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != kHScrollMessage) return CFeedKap::OnKapMessage(msg, wParam, lParam, result);
    OnHorizontalScroll(static_cast<int>(wParam));
    result = 0;
    return true;
}

void CVimoNews::ClearContent() {
    for (CLayerLink* item : items_) delete item;
    items_.clear();
}

} // namespace vimo
