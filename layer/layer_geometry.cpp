#include "layer/layer_geometry.h"

#include <algorithm>

namespace vimo {

bool OverlapsSurface(const LayerRect& r, int surfaceWidth, int surfaceHeight) {
    return r.Right() >= 1 && r.Bottom() >= 1 && r.x < surfaceWidth && r.y < surfaceHeight;
}

bool Intersects(const LayerRect& a, const LayerRect& b) { return !Intersection(a, b).Empty(); }

LayerRect Intersection(const LayerRect& a, const LayerRect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
    if (right <= left || bottom <= top) return LayerRect{left, top, 0, 0};
    return LayerRect{left, top, SaturatedSum(right, -static_cast<long long>(left)),
                     SaturatedSum(bottom, -static_cast<long long>(top))};
}

LayerRect UnionOf(const LayerRect& a, const LayerRect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int right = std::max(a.Right(), b.Right()), bottom = std::max(a.Bottom(), b.Bottom());
    return LayerRect{left, top, SaturatedSum(right, -static_cast<long long>(left)),
                     SaturatedSum(bottom, -static_cast<long long>(top))};
}

} // namespace vimo
