#pragma once
// Pictures and scratch folders for the photo album's tests. Pictures are made on the spot with the
// drawing library's encoders: a flat colour inside a frame of another colour, as JPEG, GIF, PNG or
// BMP. The drawing library must be started. Header only, so that the end-to-end tests (which do
// not link the program's code) can use it too.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "e2e/driver/vimo_driver.h"

namespace vimo::albumtest {

enum class PictureFormat { Jpeg, Gif, Png, Bmp };

inline const wchar_t* MimeOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg: return L"image/jpeg";
    case PictureFormat::Gif: return L"image/gif";
    case PictureFormat::Png: return L"image/png";
    case PictureFormat::Bmp: return L"image/bmp";
    }
    return L"";
}

inline bool EncoderOf(PictureFormat format, CLSID& clsid) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && std::wstring(codecs[i].MimeType) == MimeOf(format)) {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

// A bitmap of the picture: 32 bpp, or 8 bpp with a two-colour palette (the GIF encoder takes only
// indexed pictures).
inline Gdiplus::GpBitmap* DrawPicture(int width, int height, std::uint32_t inner, std::uint32_t frame, int frameWidth,
                                      bool indexed) {
    using namespace Gdiplus::DllExports;
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::PixelFormat format = indexed ? PixelFormat8bppIndexed : PixelFormat32bppARGB;
    if (GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap) != Gdiplus::Ok) return nullptr;
    if (indexed) {
        std::vector<BYTE> buffer(sizeof(Gdiplus::ColorPalette) + sizeof(Gdiplus::ARGB));
        auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
        palette->Flags = 0;
        palette->Count = 2;
        palette->Entries[0] = 0xFF000000u | frame;
        palette->Entries[1] = 0xFF000000u | inner;
        GdipSetImagePalette(bitmap, palette);
    }
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeWrite, format, &data) != Gdiplus::Ok) {
        GdipDisposeImage(bitmap);
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride;
        for (int x = 0; x < width; ++x) {
            const bool inside = x >= frameWidth && y >= frameWidth && x < width - frameWidth && y < height - frameWidth;
            if (indexed) {
                row[x] = inside ? 1 : 0;
            } else {
                const std::uint32_t argb = 0xFF000000u | (inside ? inner : frame);
                std::memcpy(row + 4 * x, &argb, 4);
            }
        }
    }
    GdipBitmapUnlockBits(bitmap, &data);
    return bitmap;
}

// Writes a width x height picture: a frame of frameWidth pixels in frame colour around a flat
// inner colour (both 0xRRGGBB, opaque). True on success.
inline bool WritePicture(const std::string& path, PictureFormat format, int width, int height, std::uint32_t inner,
                         std::uint32_t frame = 0xFFFFFF, int frameWidth = 20) {
    CLSID encoder{};
    if (!EncoderOf(format, encoder)) return false;
    Gdiplus::GpBitmap* bitmap = DrawPicture(width, height, inner, frame, frameWidth, format == PictureFormat::Gif);
    if (!bitmap) return false;
    const std::wstring wide(path.begin(), path.end());
    const bool saved = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &encoder, nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return saved;
}

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// A file with a picture's name whose contents decode to nothing.
inline bool WriteCorruptPicture(const std::string& path) {
    return WriteBytes(path, std::string("\xFF\xD8\xFF\xE0", 4) + "this is not a picture, only its first bytes");
}

// The start of a PNG that announces an enormous picture (40000 x 40000), as a damaged or
// malicious file would.
inline bool WriteHugeAnnouncedPng(const std::string& path) {
    const std::string head("\x89PNG\r\n\x1a\n\x00\x00\x00\x0DIHDR\x00\x00\x9C\x40\x00\x00\x9C\x40\x08\x06\x00\x00\x00",
                           29);
    return WriteBytes(path, head + std::string(4, '\0') + std::string(1000, 'x'));
}

using e2e::RemoveTree; // a folder with everything in it

} // namespace vimo::albumtest
