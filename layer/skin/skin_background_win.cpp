#include "layer/skin/skin_background_win.h"

namespace vimo {

void SetSkinBackgroundColour(CLayerElement& element, const SkinRecord& skin) {
    element.SetBackgroundColour(skin.Colour("Background"));
}

void SetSkinBackground(CLayerElement& element, const SkinRecord& skin) {
    SetSkinBackgroundColour(element, skin);
    element.SetBackgroundImage(skin.Str("BackgroundFileName"), skin.Int("BackgroundCutLeft"),
                               skin.Int("BackgroundCutTop"), skin.Int("BackgroundCutRight"),
                               skin.Int("BackgroundCutBottom"));
}

} // namespace vimo
