#include "layer/skin/skin_background_win.h"

namespace vimo {

void SetSkinBackgroundColour(CLayerElement& element, const SkinRecord& skin) {
    element.SetBackgroundColour(skin.Colour("Background"));
}

void SetSkinBackground(CLayerElement& element, const SkinRecord& skin, const std::string& prefix) {
    element.SetBackgroundColour(skin.Colour(prefix));
    element.SetBackgroundImage(skin.Str(prefix + "FileName"), skin.Int(prefix + "CutLeft"), skin.Int(prefix + "CutTop"),
                               skin.Int(prefix + "CutRight"), skin.Int(prefix + "CutBottom"));
}

} // namespace vimo
