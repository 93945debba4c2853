#include "bars/window_bar/window_bar_layout.h"

#include <algorithm>

#include "layer/layer_geometry.h"
#include "layer/skin/skin_record.h"

namespace vimo {

WindowBarMetrics WindowBarMetricsFromSkin(const SkinRecord& skin) {
    WindowBarMetrics m;
    m.marginLeft = skin.Int("MarginLeft");
    m.marginRight = skin.Int("MarginRight");
    m.marginTop = skin.Int("MarginTop");
    m.marginBottom = skin.Int("MarginBottom");
    m.screenWidth = skin.Int("ScreenWidth");
    m.screenHeight = skin.Int("ScreenHeight");
    m.screenVSpacing = skin.Int("ScreenVSpacing");
    m.scrollWidth = skin.Int("ScrollWidth");
    m.scrollHMargin = skin.Int("ScrollHMargin");
    m.scrollOnRight = skin.Int("ScrollOnRight") != 0;
    return m;
}

WindowBarLayout LayoutWindowBar(const WindowBarMetrics& m, int width, int height, std::size_t tiles) {
    // Skin numbers may be anything: the arithmetic is done in long long and held to int at the end.
    WindowBarLayout layout;
    const long long scrollBand = static_cast<long long>(m.scrollWidth) + m.scrollHMargin;
    const int top = m.marginTop;
    const int viewHeight = ClampToInt(std::max(0LL, static_cast<long long>(height) - m.marginTop - m.marginBottom));
    const int inner =
        ClampToInt(std::max(0LL, static_cast<long long>(width) - m.marginLeft - m.marginRight - scrollBand));
    if (m.scrollOnRight) {
        layout.listArea = LayerRect{m.marginLeft, top, inner, viewHeight};
        layout.scroll = LayerRect{ClampToInt(static_cast<long long>(width) - m.marginRight - m.scrollWidth), top,
                                  m.scrollWidth, viewHeight};
    } else {
        layout.scroll = LayerRect{m.marginLeft, top, m.scrollWidth, viewHeight};
        layout.listArea = LayerRect{SaturatedSum(m.marginLeft, scrollBand), top, inner, viewHeight};
    }
    const long long n = LayoutCount(tiles);
    layout.listLength =
        n == 0 ? 0 : ClampToInt(n * (static_cast<long long>(m.screenHeight) + m.screenVSpacing) - m.screenVSpacing);
    return layout;
}

LayerRect WindowTileRect(const WindowBarMetrics& m, const WindowBarLayout& layout, std::size_t index) {
    const long long step = static_cast<long long>(m.screenHeight) + m.screenVSpacing;
    const long long k = LayoutCount(index);
    return LayerRect{layout.listArea.x, ClampToInt(layout.listArea.y + k * step), m.screenWidth, m.screenHeight};
}

int WindowBarScrollOffset(int listLength, int viewHeight, int percent) {
    if (listLength <= viewHeight) return 0;
    const long long below = static_cast<long long>(listLength) - viewHeight;
    return ClampToInt(below * std::clamp(percent, 0, 100) / 100);
}

} // namespace vimo
