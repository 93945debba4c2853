#pragma once
// A colour as the skins give it: four whole numbers Alpha, Red, Green, Blue, each 0..255 once
// clamped, packed 0xAARRGGBB for drawing.
#include <cstdint>

namespace vimo {

// Clamps a colour component or a constant alpha to 0..255.
int ClampByte(int value);

struct LayerColour {
    int alpha = 0, red = 0, green = 0, blue = 0;

    // The colour with every component clamped to 0..255.
    static LayerColour Clamped(int a, int r, int g, int b);
    // 0xAARRGGBB.
    std::uint32_t Packed() const;
    // A part drawn with this colour is switched on by an alpha above 0.
    bool Enabled() const { return alpha > 0; }
    bool operator==(const LayerColour& o) const {
        return alpha == o.alpha && red == o.red && green == o.green && blue == o.blue;
    }
};

// The colour of text shadows: A=50, R=50, G=50, B=50.
constexpr std::uint32_t kShadowArgb = 0x32323232u;

} // namespace vimo
