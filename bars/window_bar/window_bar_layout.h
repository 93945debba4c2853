#pragma once
// Where the window bar puts its tiles and its scroll bar: one column of tiles in the list area,
// which is the bar less its margins and less the scroll bar on its side.
#include <cstddef>

#include "layer/layer_geometry.h"

namespace vimo {

class SkinRecord;

struct WindowBarMetrics {
    int marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
    int screenWidth = 0, screenHeight = 0; // a tile
    int screenVSpacing = 0;
    int scrollWidth = 0, scrollHMargin = 0;
    bool scrollOnRight = true;
};

struct WindowBarLayout {
    LayerRect listArea; // the layer host's viewport
    LayerRect scroll;   // the vertical scroll bar
    int listLength = 0; // height of the column of tiles
};

// The Margin, Screen and Scroll keys of the window bar skin.
WindowBarMetrics WindowBarMetricsFromSkin(const SkinRecord& skin);

WindowBarLayout LayoutWindowBar(const WindowBarMetrics& metrics, int width, int height, std::size_t tiles);

// Tile `index` of the column, in the layer's coordinates before scrolling.
LayerRect WindowTileRect(const WindowBarMetrics& metrics, const WindowBarLayout& layout, std::size_t index);

// How far the column is shifted up for a scroll percent (0..100): the part of the list below the
// view, times the percent, truncated; nothing when the list fits.
int WindowBarScrollOffset(int listLength, int viewHeight, int percent);

} // namespace vimo
