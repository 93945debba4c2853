#include "bars/dock/dock_layout.h"

#include "layer/skin/skin_layout.h"

namespace vimo {

DockMetrics DockMetricsFromSkin(const SkinRecord& skin) {
    DockMetrics m;
    m.iconWidth = skin.Int("IconWidth");
    m.iconHeight = skin.Int("IconHeight");
    m.hSpacing = skin.Int("IconHSpacing");
    m.vSpacing = skin.Int("IconVSpacing");
    m.marginLeft = skin.Int("MarginLeft");
    m.marginRight = skin.Int("MarginRight");
    m.marginTop = skin.Int("MarginTop");
    m.marginBottom = skin.Int("MarginBottom");
    return m;
}

DockLayout LayoutDock(const DockMetrics& m, int width, std::size_t iconCount) {
    const long long n = LayoutCount(iconCount);
    const long long ml = m.marginLeft, mr = m.marginRight, mt = m.marginTop, mb = m.marginBottom;
    const long long hs = m.hSpacing, vs = m.vSpacing;
    const long long columnStep = static_cast<long long>(m.iconWidth) + hs;
    const long long rowStep = static_cast<long long>(m.iconHeight) + vs;

    long long columns = 1;
    long long w = width;
    if (columnStep > 0) {
        columns = (w - ml - mr + hs) / columnStep;
        if (columns > n) columns = n;
        if (columns < 1) columns = 1;
        w = columnStep * columns - hs + ml + mr;
    }
    long long rows = (n + columns - 1) / columns; // never more than n, as columns >= 1
    if (rows < 1) rows = 1;
    const long long h = rowStep * rows - vs + mt + mb;

    DockLayout layout;
    layout.columns = ClampToInt(columns);
    layout.rows = ClampToInt(rows);
    layout.width = ClampToInt(w);
    layout.height = ClampToInt(h);
    layout.viewport = LayerRect{m.marginLeft, m.marginTop, ClampToInt(w - ml - mr), ClampToInt(h - mb - mt)};
    return layout;
}

LayerRect DockIconRect(const DockMetrics& m, const DockLayout& layout, std::size_t index) {
    const long long columns = layout.columns > 0 ? layout.columns : 1;
    const long long k = LayoutCount(index);
    const long long column = k % columns, row = k / columns;
    const long long x = m.marginLeft + (static_cast<long long>(m.iconWidth) + m.hSpacing) * column;
    const long long y = m.marginTop + (static_cast<long long>(m.iconHeight) + m.vSpacing) * row;
    return LayerRect{ClampToInt(x), ClampToInt(y), m.iconWidth, m.iconHeight};
}

LayerRect DockLockRect(const SkinRecord& skin, int width, int height) {
    return ElementRect(skin, "Lock", SkinSize{width, height});
}

} // namespace vimo
