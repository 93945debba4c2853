#include "kaps/net/weather/vimo_weather_win.h"

#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/net/services/connectivity_win.h"
#include "kaps/net/weather/vimo_weather_config_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

constexpr const char* kLogoFile = "TWCLogo.png";
constexpr const char* kLogoTitle = "The Weather Channel";
constexpr const char* kLogoText = "Powered by";
constexpr const char* kBlockFont = "Arial";
constexpr int kItalic = 1, kBold = 2; // font types

// The text block of a block styled by the skin keys of a prefix ("Temp", "Infos").
void StyleBlock(CLayerElement& element, TextBlockId block, const SkinRecord& skin, const std::string& prefix,
                const std::string& text) {
    element.SetBlockStyle(block, skin.TextStyle(prefix));
    element.SetBlockPosition(block, skin.Int(prefix + "HPos"), skin.Int(prefix + "VPos"));
    element.SetBlockMargins(block, skin.Int(prefix + "MarginLeft"), skin.Int(prefix + "MarginTop"),
                            skin.Int(prefix + "MarginRight"), skin.Int(prefix + "MarginBottom"));
    element.SetBlockText(block, text);
}

void SetPicture(CLayerElement& element, const SkinRecord& skin, const std::string& file) {
    if (file.empty()) return;
    element.SetImage(skin.Folder() + file);
    element.SetImageMargins(skin.Int("ImageMarginLeft"), skin.Int("ImageMarginTop"), skin.Int("ImageMarginRight"),
                            skin.Int("ImageMarginBottom"));
    element.SetImagePosition(skin.Int("ImageHPos"), skin.Int("ImageVPos"));
}

// "scheme://host/" of an address, or empty.
std::string HomePageOf(const std::string& url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string::npos) return {};
    const std::size_t path = url.find('/', scheme + 3);
    return (path == std::string::npos ? url : url.substr(0, path)) + "/";
}

} // namespace

CVimoWeather::CVimoWeather(KapHost& host, Settings& settings, const std::string& documentPath)
    : CFeedKap(host, KapType::Weather, settings, documentPath) {}

CVimoWeather::~CVimoWeather() = default;

const SkinRecord& CVimoWeather::Data() const { return AppSettings().skins.Data(SkinType::Weather); }

std::string CVimoWeather::FeedAddress() const {
    return Data().Str("BeginRSSURL") + values_.code + Data().Str("EndRSSURL");
}

std::string CVimoWeather::BlockTitle(std::size_t index) const {
    return index < blocks_.size() ? blocks_[index]->Elem().Block(TextBlockId::Title).text : "";
}

std::string CVimoWeather::BlockInfo(std::size_t index) const {
    return index < blocks_.size() ? blocks_[index]->Elem().Block(TextBlockId::Text).text : "";
}

std::string CVimoWeather::BlockPicture(std::size_t index) const {
    if (index >= blocks_.size() || !blocks_[index]->Elem().Image().enabled) return "";
    const std::string& file = blocks_[index]->Elem().Image().file;
    return file.substr(file.find_last_of('\\') + 1);
}

std::string CVimoWeather::BlockLink(std::size_t index) const {
    return index < blocks_.size() ? blocks_[index]->Target() : "";
}

LayerRect CVimoWeather::BlockRect(std::size_t index) const {
    return index < blocks_.size() ? blocks_[index]->Rect() : LayerRect{};
}

std::string CVimoWeather::BlockTitles() const {
    std::string titles;
    for (std::size_t i = 0; i < blocks_.size(); ++i) titles += (i ? "\n" : "") + BlockTitle(i);
    return titles;
}

WeatherGridMetrics CVimoWeather::Metrics() const { return WeatherGridMetricsFromSkin(Skin()); }

void CVimoWeather::ReadPayload(DocumentReader& reader) {
    ReadWeatherPayload(reader, values_);
    // The window is made at the size the grid takes.
    KapRect& r = MutableRect();
    const WeatherGrid grid = LayOutWeatherGrid(Metrics(), r.width, r.height, 1);
    r.width = grid.width;
    r.height = grid.height;
}

// --- blocks ----------------------------------------------------------------------------------------

void CVimoWeather::BuildItems() {
    const KapRect& r = Rect();
    background_ = new CLayerStatic(Layer(), 0, 0, r.width, r.height);
    SetSkinBackground(background_->Elem(), Skin());
    MakeLockImage(ElementRect(Skin(), "Lock", SkinSize{r.width, r.height}));
}

void CVimoWeather::LayoutItems() {
    const WeatherGridMetrics m = Metrics();
    KapRect& r = MutableRect();
    grid_ = LayOutWeatherGrid(m, r.width, r.height, blocks_.size());
    r.width = grid_.width;
    r.height = grid_.height;
    for (std::size_t k = 0; k < blocks_.size(); ++k) {
        int x = 0, y = 0;
        WeatherBlockPosition(m, grid_, k, x, y);
        blocks_[k]->SetBounds(LayerRect{x, y, m.blockWidth, m.blockHeight});
    }
    originY_ = 0;
    Layer()->SetViewport(grid_.viewX, grid_.viewY, grid_.viewWidth, grid_.viewHeight);
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(Skin(), "Lock", SkinSize{r.width, r.height}));
    if (Layer()->Width() != r.width || Layer()->Height() != r.height) Layer()->Resize(r.width, r.height);
    ApplyOrigin();
}

void CVimoWeather::ApplyOrigin() {
    CLayerHost* layer = Layer();
    layer->SetOrigin(0, originY_);
    // The input windows of the blocks in view follow the origin.
    const LayerRect view = layer->Viewport();
    for (CLayerLink* block : blocks_) {
        const LayerRect r = block->Rect().Moved(0, originY_);
        if (r.y < view.Bottom() && r.Bottom() > view.y) block->SetBounds(block->Rect());
    }
}

CLayerLink* CVimoWeather::AddBlock() {
    const SkinRecord& skin = Skin();
    auto* block = new CLayerLink(Layer(), skin.Int("ContenerPosX"), skin.Int("ContenerPosY"), skin.Int("ContenerWidth"),
                                 skin.Int("ContenerHeight"));
    block->SetInViewport(true);
    block->Elem().SetBackgroundColour(skin.Colour("BlockBackground"));
    // A block moves the kap like its background, unless it opens a page (see SetTarget below).
    LayerNotifications& forward = block->Notifications();
    forward.target = Hwnd();
    forward.clickMessage = WM_LBUTTONDOWN;
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    blocks_.push_back(block);
    return block;
}

void CVimoWeather::AddConditionsBlock(const std::string& icon, const std::string& temperature,
                                      const std::string& station) {
    CLayerLink* block = AddBlock();
    CLayerElement& element = block->Elem();
    SetPicture(element, Skin(), WeatherIconFile(icon));
    StyleBlock(element, TextBlockId::Title, Skin(), "Temp", TemperatureText(temperature, values_.celsius));
    StyleBlock(element, TextBlockId::Text, Skin(), "Infos", station);
    block->SetTarget(Data().Str("NavigateURL") + values_.code);
    block->Notifications().clickMessage = 0;
}

void CVimoWeather::AddDayBlock(const std::string& icon, const std::string& high, const std::string& day) {
    CLayerElement& element = AddBlock()->Elem();
    SetPicture(element, Skin(), WeatherIconFile(icon));
    StyleBlock(element, TextBlockId::Title, Skin(), "Temp", TemperatureText(high, values_.celsius));
    StyleBlock(element, TextBlockId::Text, Skin(), "Infos", day);
}

void CVimoWeather::AddLogoBlock() {
    const SkinRecord& skin = Skin();
    const int cw = skin.Int("ContenerWidth"), ch = skin.Int("ContenerHeight");
    CLayerLink* block = AddBlock();
    CLayerElement& element = block->Elem();
    SetPicture(element, skin, kLogoFile);
    element.SetBlockFont(TextBlockId::Title, kBlockFont, 12, kBold);
    element.SetBlockColour(TextBlockId::Title, 255, 0, 102, 204);
    element.SetBlockShadowed(TextBlockId::Title, true);
    element.SetBlockDoubledColour(TextBlockId::Title, 50, 200, 200, 200);
    element.SetBlockMargins(TextBlockId::Title, 0, ch / 3, cw / 3, 0);
    element.SetBlockText(TextBlockId::Title, kLogoTitle);
    element.SetBlockFont(TextBlockId::Text, kBlockFont, 10, kItalic);
    element.SetBlockColour(TextBlockId::Text, 255, 0, 0, 0);
    element.SetBlockMargins(TextBlockId::Text, 0, 0, cw / 3, 2 * ch / 3);
    element.SetBlockText(TextBlockId::Text, kLogoText);
    const std::string home = HomePageOf(Data().Str("NavigateURL"));
    if (!home.empty()) {
        block->SetTarget(home);
        block->Notifications().clickMessage = 0;
    }
}

void CVimoWeather::AddMessageBlock(const std::string& text) {
    CLayerElement& element = AddBlock()->Elem();
    element.SetBlockFont(TextBlockId::Title, kBlockFont, 12, kBold);
    element.SetBlockColour(TextBlockId::Title, 255, 255, 0, 0);
    element.SetBlockShadowed(TextBlockId::Title, true);
    element.SetBlockText(TextBlockId::Title, text);
}

void CVimoWeather::ClearContent() {
    for (CLayerLink* block : blocks_) delete block;
    blocks_.clear();
    originY_ = 0;
}

void CVimoWeather::BuildBlocks() {
    IXMLDOMElement* root = Xml().Root();
    const std::vector<ComPtr<IXMLDOMNode>> current = SelectNodes(root, "//cc");
    if (!current.empty()) {
        IXMLDOMNode* cc = current.front().Get();
        AddConditionsBlock(SelectText(cc, "icon"), SelectText(cc, "tmp"), SelectText(cc, "obst"));
    }
    // The last day of the feed is not shown.
    const std::vector<ComPtr<IXMLDOMNode>> days = SelectNodes(root, "//dayf/day");
    for (std::size_t i = 0; i + 1 < days.size() && i < kMaxWeatherEntries; ++i) {
        IXMLDOMNode* day = days[i].Get();
        AddDayBlock(SelectText(day, "part[@p=\"d\"]/icon"), SelectText(day, "hi"), AttributeText(day, "t"));
    }
    AddLogoBlock();
}

// --- downloading and showing -----------------------------------------------------------------------

void CVimoWeather::StartDownload() {
    if (values_.code.empty()) return;
    Download().Start(FeedAddress(), AppSettings().programDir + "\\Temp", FeedFile());
}

void CVimoWeather::Update() {
    if (values_.code.empty() || !values_.active) return;
    Download().ForceIdle();
    StartDownload();
}

void CVimoWeather::ShowResult(DownloadStatus status) {
    ClearContent();
    if (!TestConnectivity().connected) {
        AddMessageBlock(kNoConnection);
    } else if (status == DownloadStatus::Downloaded) {
        if (Xml().Load(FeedFile()) && Xml().Root())
            BuildBlocks();
        else
            AddMessageBlock(kNoXml);
    } else {
        AddMessageBlock(kFailed);
    }
}

void CVimoWeather::Wheel(int delta) {
    const int moved = ContenerWheelOrigin(originY_, delta, grid_.contentBottom, grid_.viewHeight);
    if (moved == originY_) return;
    originY_ = moved;
    ApplyOrigin();
    SetRedraw();
}

// --- commands and messages -------------------------------------------------------------------------

void CVimoWeather::OpenOptions() {
    CVimoWeatherConfig dialog(values_, Data().Str("SearchRSSURL"), AppSettings().programDir + "\\Temp");
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    // The options reach the document with the next save.
    const WeatherValues& chosen = dialog.Values();
    values_.code = chosen.code;
    values_.active = chosen.active;
    values_.celsius = chosen.celsius;
    if (!values_.code.empty() && values_.active) StartDownload();
}

bool CVimoWeather::OnKapCommand(UINT id) {
    switch (id) {
    case ID_WEATHER_UPDATE: Update(); return true;
    case ID_WEATHER_OPTIONS: OpenOptions(); return true;
    default: return false;
    }
}

} // namespace vimo
