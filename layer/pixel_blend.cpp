#include "layer/pixel_blend.h"

#include "layer/colour_matrix.h"

namespace vimo {

namespace {

// x * y / 255, rounded to nearest, for bytes.
inline std::uint32_t MulDiv255(std::uint32_t x, std::uint32_t y) {
    const std::uint32_t t = x * y + 128;
    return (t + (t >> 8)) >> 8;
}

} // namespace

void ApplyColourMatrix(const std::uint32_t* from, std::uint32_t* to, std::size_t count, int alphaPercent,
                       int luminosityPercent) {
    const std::uint32_t alpha = static_cast<std::uint32_t>(ClampAlphaPercent(alphaPercent));
    const int lum = ClampLuminosityPercent(luminosityPercent);
    // Below 100 % the channels are scaled; above, each is raised by a share of full scale.
    const std::uint32_t scale = static_cast<std::uint32_t>(lum <= 100 ? lum : 100);
    const std::uint32_t lift = static_cast<std::uint32_t>(lum <= 100 ? 0 : (lum - 100) * 255);
    auto channel = [&](std::uint32_t c) {
        const std::uint32_t v = (c * scale + lift + 50) / 100;
        return v > 255 ? 255u : v;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = from[i];
        const std::uint32_t a = ((p >> 24) * alpha + 50) / 100;
        to[i] = (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) | channel(p & 0xFF);
    }
}

void BlendOverPremultiplied(const std::uint32_t* from, std::ptrdiff_t fromStride, std::uint32_t* to,
                            std::ptrdiff_t toStride, int width, int height) {
    for (int y = 0; y < height; ++y, from += fromStride, to += toStride) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t s = from[x];
            const std::uint32_t a = s >> 24;
            if (a == 0) continue;
            if (a == 255) {
                to[x] = s;
                continue;
            }
            const std::uint32_t d = to[x], keep = 255 - a;
            std::uint32_t out = (a + MulDiv255(d >> 24, keep)) << 24;
            for (int shift = 0; shift < 24; shift += 8)
                out |= (MulDiv255((s >> shift) & 0xFF, a) + MulDiv255((d >> shift) & 0xFF, keep)) << shift;
            to[x] = out;
        }
    }
}

} // namespace vimo
