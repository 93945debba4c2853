#include "layer/skin/skin_layout.h"

#include <algorithm>

namespace vimo {

SkinSize DesignSize(const SkinRecord& skin) {
    if (skin.Type() == SkinType::RemoteKap) return {skin.Int("Width"), skin.Int("Height")};
    return {skin.Int("IconWidth"), skin.Int("IconHeight")};
}

int DockedCoordinate(int pos, int dockFlag, int kapExtent, int designExtent) {
    return dockFlag != 0 ? ClampToInt(static_cast<long long>(kapExtent) - designExtent + pos) : pos;
}

LayerRect ElementRect(const SkinRecord& skin, const std::string& prefix, SkinSize kap) {
    const bool xy = skin.Has(prefix + "PosX");
    const int x = skin.Int(prefix + (xy ? "PosX" : "XPos"));
    const int y = skin.Int(prefix + (xy ? "PosY" : "YPos"));
    const std::string rightDock = prefix + "RightDock", bottomDock = prefix + "BottomDock";
    const SkinSize design = DesignSize(skin);
    LayerRect rect;
    rect.x = skin.Has(rightDock) ? DockedCoordinate(x, skin.Int(rightDock), kap.width, design.width) : x;
    rect.y = skin.Has(bottomDock) ? DockedCoordinate(y, skin.Int(bottomDock), kap.height, design.height) : y;
    rect.width = skin.Int(prefix + "Width");
    rect.height = skin.Int(prefix + "Height");
    return rect;
}

LayerRect ContenerRect(const SkinRecord& skin, SkinSize kap) {
    const SkinSize design = DesignSize(skin);
    return {skin.Int("ContenerPosX"), skin.Int("ContenerPosY"),
            ClampToInt(static_cast<long long>(skin.Int("ContenerWidth")) + kap.width - design.width),
            ClampToInt(static_cast<long long>(skin.Int("ContenerHeight")) + kap.height - design.height)};
}

int ContenerMaxKapWidth(const SkinRecord& skin) {
    return ClampToInt(static_cast<long long>(DesignSize(skin).width) + skin.Int("ContenerMaxWidth") -
                      skin.Int("ContenerWidth"));
}

SkinSize ClampContenerKapSize(const SkinRecord& skin, SkinSize wanted) {
    const SkinSize design = DesignSize(skin);
    SkinSize size;
    size.width = std::max(wanted.width, design.width);
    if (skin.Has("ContenerMaxWidth")) size.width = std::min(size.width, ContenerMaxKapWidth(skin));
    size.width = std::max(size.width, design.width); // a skin whose maximum is below its design size
    size.height = std::max(wanted.height, design.height);
    return size;
}

int ContenerScrollOriginX(const SkinRecord& skin, int kapWidth, int percent) {
    const long long areaWidth = static_cast<long long>(skin.Int("ContenerWidth")) + kapWidth - DesignSize(skin).width;
    return ClampToInt(-((skin.Int("ContenerMaxWidth") - areaWidth) * std::clamp(percent, 0, 100) / 100));
}

int ContenerWheelOrigin(int origin, int delta, int contentBottom, int viewportBottom) {
    if (contentBottom <= viewportBottom) return origin;
    long long moved = static_cast<long long>(origin) + delta / 5;
    if (moved >= 0) moved = 0;
    const long long lowest = static_cast<long long>(viewportBottom) - contentBottom;
    if (moved < lowest) moved = lowest;
    return ClampToInt(moved);
}

} // namespace vimo
