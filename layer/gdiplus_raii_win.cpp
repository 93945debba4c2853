#include "layer/gdiplus_raii_win.h"

#include "layer/colour_matrix.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

LockedPixels::LockedPixels(GpBitmap* bitmap, int x, int y, int width, int height, bool write) : bitmap_(bitmap) {
    const GpRect part{x, y, width, height};
    locked_ = bitmap && width > 0 && height > 0 &&
              GdipBitmapLockBits(bitmap, &part, write ? ImageLockModeWrite : ImageLockModeRead, PixelFormat32bppARGB,
                                 &data_) == Ok;
}

bool LockedPixels::Unlock() {
    if (!locked_) return false;
    locked_ = false;
    return GdipBitmapUnlockBits(bitmap_, &data_) == Ok;
}

GdipImage LoadImageFile(const std::wstring& path) {
    GpImage* image = nullptr;
    if (path.empty() || GdipLoadImageFromFile(path.c_str(), &image) != Ok) return GdipImage();
    return GdipImage(image);
}

GdipBitmap NewArgbBitmap(int width, int height) {
    GpBitmap* bitmap = nullptr;
    if (width <= 0 || height <= 0) return GdipBitmap();
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Ok) return GdipBitmap();
    return GdipBitmap(bitmap);
}

void ImagePixelSize(GpImage* image, int& width, int& height) {
    UINT w = 0, h = 0;
    if (image) {
        GdipGetImageWidth(image, &w);
        GdipGetImageHeight(image, &h);
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
}

GdipBrush NewSolidBrush(std::uint32_t argb) {
    GpSolidFill* brush = nullptr;
    if (GdipCreateSolidFill(argb, &brush) != Ok) return GdipBrush();
    return GdipBrush(brush);
}

GdipPen NewPen(std::uint32_t argb, float width) {
    GpPen* pen = nullptr;
    if (GdipCreatePen1(argb, width, UnitPixel, &pen) != Ok) return GdipPen();
    return GdipPen(pen);
}

GdipFont NewFont(const std::wstring& family, float sizePx, int style) {
    GpFontFamily* rawFamily = nullptr;
    if (GdipCreateFontFamilyFromName(family.c_str(), nullptr, &rawFamily) != Ok || !rawFamily) {
        rawFamily = nullptr;
        if (GdipGetGenericFontFamilySansSerif(&rawFamily) != Ok || !rawFamily) return GdipFont();
    }
    GdipFontFamily owned(rawFamily);
    GpFont* font = nullptr;
    if (sizePx <= 0 || GdipCreateFont(owned.get(), sizePx, style, UnitPixel, &font) != Ok) return GdipFont();
    return GdipFont(font);
}

GdipStringFormat NewStringFormat(int flags) {
    GpStringFormat* format = nullptr;
    if (GdipCreateStringFormat(flags, LANG_NEUTRAL, &format) != Ok) return GdipStringFormat();
    return GdipStringFormat(format);
}

GdipImageAttributes NewColourAttributes(int alphaPercent, int luminosityPercent) {
    GpImageAttributes* attributes = nullptr;
    if (GdipCreateImageAttributes(&attributes) != Ok) return GdipImageAttributes();
    GdipImageAttributes owned(attributes);
    // 100 % alpha and 100 % luminosity leave the image as it is: no matrix, no per-pixel work.
    if (ClampAlphaPercent(alphaPercent) != 100 || ClampLuminosityPercent(luminosityPercent) != 100) {
        const ColourMatrixValues values = LayerColourMatrix(alphaPercent, luminosityPercent);
        ColorMatrix matrix{};
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 5; ++col) matrix.m[row][col] = values[row][col];
        GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &matrix, nullptr,
                                          ColorMatrixFlagsDefault);
    }
    GdipSetImageAttributesWrapMode(attributes, WrapModeTileFlipXY, 0, FALSE);
    return owned;
}

GdiplusSession::GdiplusSession() {
    GdiplusStartupInput input;
    if (GdiplusStartup(&token_, &input, nullptr) != Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
    if (token_) GdiplusShutdown(token_);
}

} // namespace vimo
