#include "bars/window_bar/window_bar_layout.h"

#include <algorithm>

namespace vimo {

WindowBarLayout LayoutWindowBar(const WindowBarMetrics& m, int width, int height, std::size_t tiles) {
    WindowBarLayout layout;
    const int scrollBand = m.scrollWidth + m.scrollHMargin;
    const int top = m.marginTop, viewHeight = std::max(0, height - m.marginTop - m.marginBottom);
    const int inner = std::max(0, width - m.marginLeft - m.marginRight - scrollBand);
    if (m.scrollOnRight) {
        layout.listArea = LayerRect{m.marginLeft, top, inner, viewHeight};
        layout.scroll = LayerRect{width - m.marginRight - m.scrollWidth, top, m.scrollWidth, viewHeight};
    } else {
        layout.scroll = LayerRect{m.marginLeft, top, m.scrollWidth, viewHeight};
        layout.listArea = LayerRect{m.marginLeft + scrollBand, top, inner, viewHeight};
    }
    const int n = static_cast<int>(tiles);
    layout.listLength = n == 0 ? 0 : n * (m.screenHeight + m.screenVSpacing) - m.screenVSpacing;
    return layout;
}

LayerRect WindowTileRect(const WindowBarMetrics& m, const WindowBarLayout& layout, std::size_t index) {
    const int step = m.screenHeight + m.screenVSpacing;
    return LayerRect{layout.listArea.x, layout.listArea.y + static_cast<int>(index) * step, m.screenWidth,
                     m.screenHeight};
}

int WindowBarScrollOffset(int listLength, int viewHeight, int percent) {
    if (listLength <= viewHeight) return 0;
    const long long below = listLength - viewHeight;
    return static_cast<int>(below * std::clamp(percent, 0, 100) / 100);
}

} // namespace vimo
