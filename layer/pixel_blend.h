#pragma once
// The layer's own pixel work on 32-bit ARGB rows (0xAARRGGBB in memory order B, G, R, A): a
// picture copied through the element colour matrix, and an element's bitmap laid over the
// premultiplied surface of its host. Done here rather than by the drawing library, which converts
// and blends every pixel through general paths for these plain cases.
#include <cstddef>
#include <cstdint>

namespace vimo {

// A run of straight-alpha pixels as the layer colour matrix (alpha percent, luminosity percent)
// gives them: alpha scaled, colour channels darkened towards black or lifted towards white.
void ApplyColourMatrix(const std::uint32_t* from, std::uint32_t* to, std::size_t count, int alphaPercent,
                       int luminosityPercent);

// A straight-alpha picture (rows of `from`, `fromStride` pixels apart) laid over a premultiplied
// one (rows of `to`) by source-over, width x height pixels.
void BlendOverPremultiplied(const std::uint32_t* from, std::ptrdiff_t fromStride, std::uint32_t* to,
                            std::ptrdiff_t toStride, int width, int height);

} // namespace vimo
