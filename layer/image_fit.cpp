#include "layer/image_fit.h"

#include <algorithm>

namespace vimo {

FittedImage FitImage(int elementWidth, int elementHeight, const LayerMargins& m, int imageWidth, int imageHeight,
                     int hPos, int vPos, int zoomPercent) {
    FittedImage fit;
    if (imageWidth <= 0 || imageHeight <= 0) return fit;
    // Margins that leave no box leave no picture (a negative box would mirror it).
    const long long boxW = static_cast<long long>(elementWidth) - m.left - m.right;
    const long long boxH = static_cast<long long>(elementHeight) - m.top - m.bottom;
    if (boxW <= 0 || boxH <= 0) return fit;
    const float boxWidth = static_cast<float>(boxW);
    const float boxHeight = static_cast<float>(boxH);
    const float fitFactor =
        std::min(boxWidth / static_cast<float>(imageWidth), boxHeight / static_cast<float>(imageHeight));
    const float factor = fitFactor * static_cast<float>(zoomPercent) / 100.0f;
    fit.width = static_cast<float>(imageWidth) * factor;
    fit.height = static_cast<float>(imageHeight) * factor;
    const float spareX = boxWidth - fit.width, spareY = boxHeight - fit.height;
    float x = spareX / 2.0f;
    if (hPos == 1)
        x = 0.0f;
    else if (hPos == 2)
        x = spareX;
    float y = spareY / 2.0f;
    if (vPos == 1)
        y = 0.0f;
    else if (vPos == 2)
        y = spareY;
    else if (vPos == 3)
        y = spareY / 4.0f;
    else if (vPos == 4)
        y = spareY * 3.0f / 4.0f;
    fit.x = static_cast<int>(x + static_cast<float>(m.left));
    fit.y = static_cast<int>(y + static_cast<float>(m.top));
    return fit;
}

int ThumbOffset(int barLength, int startMargin, int endMargin, int thumbLength, int percent) {
    return startMargin + (barLength - startMargin - endMargin - thumbLength) * percent / 100;
}

bool MarginsFit(int elementWidth, int elementHeight, const LayerMargins& m) {
    return elementWidth > static_cast<long long>(m.left) + m.right &&
           elementHeight > static_cast<long long>(m.top) + m.bottom;
}

} // namespace vimo
