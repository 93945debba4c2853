#pragma once
// The window-filling background every skinned window takes from its skin's Background* keys.
#include "layer/layer_element_win.h"
#include "layer/skin/skin_record.h"

namespace vimo {

// BackgroundAlpha/Red/Green/Blue.
void SetSkinBackgroundColour(CLayerElement& element, const SkinRecord& skin);
// The colour, and BackgroundFileName cut by BackgroundCutLeft/Top/Right/Bottom; or the same keys of
// another element's prefix (the RSS reader's "TitleBk").
void SetSkinBackground(CLayerElement& element, const SkinRecord& skin, const std::string& prefix = "Background");

} // namespace vimo
