#include "layer/colour_matrix.h"

namespace vimo {

int ClampAlphaPercent(int percent) { return percent < 0 ? 0 : (percent > 100 ? 100 : percent); }
int ClampLuminosityPercent(int percent) { return percent < 0 ? 0 : (percent > 200 ? 200 : percent); }

ColourMatrixValues LayerColourMatrix(int alphaPercent, int luminosityPercent) {
    const float alpha = static_cast<float>(ClampAlphaPercent(alphaPercent)) / 100.0f;
    const float lum = static_cast<float>(ClampLuminosityPercent(luminosityPercent)) / 100.0f;
    const float scale = luminosityPercent <= 100 ? lum : 1.0f;
    const float offset = luminosityPercent <= 100 ? 0.0f : lum - 1.0f;
    ColourMatrixValues m{};
    for (int i = 0; i < 3; ++i) {
        m[i][i] = scale;
        m[4][i] = offset;
    }
    m[3][3] = alpha;
    m[4][4] = 1.0f;
    return m;
}

} // namespace vimo
