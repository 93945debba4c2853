#pragma once
// Rectangles in window pixels (x, y, width, height) and the few operations the layer host
// needs to decide what to paint.
#include <climits>
#include <cstddef>

namespace vimo {

// A value held to the range of int: rectangles come from skin files, which may hold any number, so
// layout arithmetic is done in long long and held to int at the end.
constexpr int ClampToInt(long long value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

// A count of items (icons, tiles, blocks) or an item's index for layout arithmetic: counts beyond
// 2^20 make no difference to any int-sized result and keep the products small.
constexpr long long LayoutCount(std::size_t n) {
    constexpr std::size_t kLimit = std::size_t{1} << 20;
    return static_cast<long long>(n > kLimit ? kLimit : n);
}

// a + b held to the range of int.
constexpr int SaturatedSum(long long a, long long b) { return ClampToInt(a + b); }

struct LayerRect {
    int x = 0, y = 0, width = 0, height = 0;

    int Right() const { return SaturatedSum(x, width); }
    int Bottom() const { return SaturatedSum(y, height); }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int px, int py) const { return px >= x && py >= y && px < Right() && py < Bottom(); }
    LayerRect Moved(int dx, int dy) const { return LayerRect{SaturatedSum(x, dx), SaturatedSum(y, dy), width, height}; }
    bool operator==(const LayerRect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

// True when a rectangle reaches into a surface of the given size: x + width >= 1,
// y + height >= 1, x < surface width and y < surface height.
bool OverlapsSurface(const LayerRect& r, int surfaceWidth, int surfaceHeight);
// True when two rectangles share at least one pixel.
bool Intersects(const LayerRect& a, const LayerRect& b);
// The common part of two rectangles; empty (width or height 0) when they do not meet.
LayerRect Intersection(const LayerRect& a, const LayerRect& b);
// The smallest rectangle that holds both (used to repaint a moved item's old and new place).
LayerRect UnionOf(const LayerRect& a, const LayerRect& b);

} // namespace vimo
