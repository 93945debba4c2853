#pragma once
// The 5 x 5 colour matrix applied to the element's images: alpha percent scales the image's own
// alpha; luminosity percent darkens towards black below 100 and lifts towards white above it.
#include <array>

namespace vimo {

using ColourMatrixValues = std::array<std::array<float, 5>, 5>;

int ClampAlphaPercent(int percent);      // 0..100
int ClampLuminosityPercent(int percent); // 0..200 (also used for zoom percents)

// Rows as GDI+ uses them: row i holds the contributions of input channel i (R, G, B, A, 1) to the
// outputs. Percents are clamped first, so 250 % luminosity acts as 200 %.
ColourMatrixValues LayerColourMatrix(int alphaPercent, int luminosityPercent);

} // namespace vimo
