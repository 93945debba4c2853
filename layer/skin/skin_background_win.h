#pragma once
// The window-filling background every skinned window takes from its skin's Background* keys.
#include "layer/layer_element_win.h"
#include "layer/skin/skin_record.h"

namespace vimo {

// BackgroundAlpha/Red/Green/Blue.
void SetSkinBackgroundColour(CLayerElement& element, const SkinRecord& skin);
// The colour, and BackgroundFileName cut by BackgroundCutLeft/Top/Right/Bottom.
void SetSkinBackground(CLayerElement& element, const SkinRecord& skin);

} // namespace vimo
