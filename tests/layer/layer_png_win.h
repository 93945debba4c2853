#pragma once
// Writes small PNG files through GDI+ for the layer tests and benchmarks (images are made on the
// spot instead of being kept in the tree). GDI+ must be started.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "layer/gdiplus_raii_win.h"
#include "layer/wide_text_win.h"

namespace vimo::layertest {

inline bool PngEncoder(CLSID& clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wstring(codecs[i].MimeType) == L"image/png") {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// Writes a PNG of width x height whose pixel (x, y) is pixel(x, y) (0xAARRGGBB); true on success.
inline bool WritePng(const std::string& path, int width, int height,
                     const std::function<std::uint32_t(int, int)>& pixel) {
    GdipBitmap bitmap = NewArgbBitmap(width, height);
    CLSID png{};
    if (!bitmap || !PngEncoder(png)) return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) Gdiplus::DllExports::GdipBitmapSetPixel(bitmap.get(), x, y, pixel(x, y));
    return Gdiplus::DllExports::GdipSaveImageToFile(bitmap.get(), WidenAnsi(path).c_str(), &png, nullptr) ==
           Gdiplus::Ok;
}

} // namespace vimo::layertest
