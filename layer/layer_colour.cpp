#include "layer/layer_colour.h"

namespace vimo {

int ClampByte(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

LayerColour LayerColour::Clamped(int a, int r, int g, int b) {
    return LayerColour{ClampByte(a), ClampByte(r), ClampByte(g), ClampByte(b)};
}

std::uint32_t LayerColour::Packed() const {
    auto byte = [](int v) { return static_cast<std::uint32_t>(ClampByte(v)); };
    return (byte(alpha) << 24) | (byte(red) << 16) | (byte(green) << 8) | byte(blue);
}

} // namespace vimo
