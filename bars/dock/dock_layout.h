#pragma once
// The dock's icon grid: how many columns fit the dock's width, the width and height snapped to
// whole icons, where each icon goes and which part of the window shows icons.
#include <cstddef>

#include "layer/layer_geometry.h"
#include "layer/skin/skin_record.h"

namespace vimo {

// The skin values the grid is made of, in pixels.
struct DockMetrics {
    int iconWidth = 0, iconHeight = 0;
    int hSpacing = 0, vSpacing = 0;
    int marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
};

// IconWidth, IconHeight, IconHSpacing, IconVSpacing and the four Margin keys of the dock skin.
DockMetrics DockMetricsFromSkin(const SkinRecord& skin);

struct DockLayout {
    int columns = 1;
    int rows = 1;
    int width = 0;      // snapped to whole columns
    int height = 0;     // whole rows
    LayerRect viewport; // (MarginLeft, MarginTop, width - both side margins, height - top and bottom margins)
};

// The grid for a dock `width` pixels wide holding iconCount icons. Columns are as many icons (with
// their spacing) as the width between the margins holds, at most one per icon and at least one;
// the width becomes exactly that many columns plus the margins. When icon width plus spacing is
// not positive no column size exists: one column, and the width stays as given. Rows are the
// icons per column rounded up, at least one; the height is that many rows plus the margins.
// Results beyond the range of int are clamped.
DockLayout LayoutDock(const DockMetrics& metrics, int width, std::size_t iconCount);

// The place of icon `index` (from 0) in the window: row by row, left to right.
LayerRect DockIconRect(const DockMetrics& metrics, const DockLayout& layout, std::size_t index);

// The lock image in a dock of the given size: LockPosX/LockPosY moved by LockRightDock and
// LockBottomDock against the skin's design size (Width x Height).
LayerRect DockLockRect(const SkinRecord& skin, int width, int height);

} // namespace vimo
