#include "layer/skin/skin_list_items_win.h"

#include "layer/controls/layer_scroll_win.h"
#include "layer/controls/layer_static_win.h"

namespace vimo {

namespace {
constexpr int kNear = 1, kCentre = 0;
} // namespace

CLayerStatic* MakeSkinTitle(CLayerHost* host, const SkinRecord& skin, const std::string& text) {
    auto* title = new CLayerStatic(host, skin.Int("TitlePosX"), skin.Int("TitlePosY"), skin.Int("TitleWidth"),
                                   skin.Int("TitleHeight"));
    CLayerElement& element = title->Elem();
    element.SetBackgroundColour(skin.Colour("TitleBk"));
    element.SetBlockStyle(TextBlockId::Text, skin.TextStyle("Title"));
    element.SetBlockPosition(TextBlockId::Text, kNear, kCentre);
    element.SetBlockText(TextBlockId::Text, text);
    return title;
}

CLayerScrollH* MakeSkinScrollH(CLayerHost* host, const SkinRecord& skin, HWND target, UINT valueMessage) {
    auto* bar = new CLayerScrollH(host, skin.Int("HScrollPosX"), skin.Int("HScrollPosY"), skin.Int("HScrollWidth"),
                                  skin.Int("HScrollHeight"));
    bar->Notifications().target = target;
    bar->Notifications().valueMessage = valueMessage;
    return bar;
}

LayerRect SkinScrollHRect(const SkinRecord& skin, SkinSize kap) {
    return LayerRect{skin.Int("HScrollPosX"), kap.height - skin.Int("IconHeight") + skin.Int("HScrollPosY"),
                     kap.width - skin.Int("IconWidth") + skin.Int("HScrollWidth"), skin.Int("HScrollHeight")};
}

void ShowSkinScrollHActive(CLayerScrollH& bar, const SkinRecord& skin, bool active) {
    bar.SetTrackColours(skin.Colour("HScrollBkInactive"),
                        skin.Colour(active ? "HScrollBkActive" : "HScrollBkInactive"));
    EnableWindow(bar.Input(), active ? TRUE : FALSE);
    bar.Repaint();
}

} // namespace vimo
