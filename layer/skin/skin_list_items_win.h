#pragma once
// The items a kap with a list area takes from its skin: the title text over its TitleBk colour, and
// the horizontal bar under the list (HScroll* keys).
#include <windows.h>

#include <string>

#include "layer/skin/skin_layout.h"
#include "layer/skin/skin_record.h"

namespace vimo {

class CLayerHost;
class CLayerScrollH;
class CLayerStatic;

CLayerStatic* MakeSkinTitle(CLayerHost* host, const SkinRecord& skin, const std::string& text);
// The bar posts valueMessage (WPARAM the percent) to target.
CLayerScrollH* MakeSkinScrollH(CLayerHost* host, const SkinRecord& skin, HWND target, UINT valueMessage);
// The bar's place in a kap of the given size: it keeps its distance from the bottom and grows with
// the width.
LayerRect SkinScrollHRect(const SkinRecord& skin, SkinSize kap);
// Enabled in the active colours while the list has items; disabled in the inactive ones otherwise.
void ShowSkinScrollHActive(CLayerScrollH& bar, const SkinRecord& skin, bool active);

} // namespace vimo
