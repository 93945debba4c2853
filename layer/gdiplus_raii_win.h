#pragma once
// Owners of the drawing library's objects: images and bitmaps, brushes, pens, font families,
// fonts, string formats and image attributes; and the library's session for the process.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "layer/gdiplus_api_win.h"
#include "layer/live_objects.h"

namespace vimo {

namespace gdip_delete {
struct Image {
    void operator()(Gdiplus::GpImage* p) const { Gdiplus::DllExports::GdipDisposeImage(p); }
};
struct Brush {
    void operator()(Gdiplus::GpBrush* p) const { Gdiplus::DllExports::GdipDeleteBrush(p); }
};
struct Pen {
    void operator()(Gdiplus::GpPen* p) const { Gdiplus::DllExports::GdipDeletePen(p); }
};
struct FontFamily {
    void operator()(Gdiplus::GpFontFamily* p) const { Gdiplus::DllExports::GdipDeleteFontFamily(p); }
};
struct Font {
    void operator()(Gdiplus::GpFont* p) const { Gdiplus::DllExports::GdipDeleteFont(p); }
};
struct StringFormat {
    void operator()(Gdiplus::GpStringFormat* p) const { Gdiplus::DllExports::GdipDeleteStringFormat(p); }
};
struct ImageAttributes {
    void operator()(Gdiplus::GpImageAttributes* p) const { Gdiplus::DllExports::GdipDisposeImageAttributes(p); }
};
struct Region {
    void operator()(Gdiplus::GpRegion* p) const { Gdiplus::DllExports::GdipDeleteRegion(p); }
};
struct Matrix {
    void operator()(Gdiplus::GpMatrix* p) const { Gdiplus::DllExports::GdipDeleteMatrix(p); }
};
// Deletes an object and takes it off the count of live objects.
template <typename Delete> struct Counted {
    template <typename T> void operator()(T* p) const {
        Delete()(p);
        CountLive(LiveKind::Gdiplus, -1);
    }
};
} // namespace gdip_delete

// The owner of one object of the drawing library, counted while it holds one.
template <typename T, typename Delete> class GdipOwned : public std::unique_ptr<T, gdip_delete::Counted<Delete>> {
    using Base = std::unique_ptr<T, gdip_delete::Counted<Delete>>;

public:
    GdipOwned() = default;
    explicit GdipOwned(T* p) : Base(p) {
        if (p) CountLive(LiveKind::Gdiplus, 1);
    }
    void reset(T* p = nullptr) {
        if (p) CountLive(LiveKind::Gdiplus, 1);
        Base::reset(p);
    }
    T* release() {
        T* p = Base::release();
        if (p) CountLive(LiveKind::Gdiplus, -1);
        return p;
    }
};

using GdipImage = GdipOwned<Gdiplus::GpImage, gdip_delete::Image>;
using GdipBitmap = GdipOwned<Gdiplus::GpBitmap, gdip_delete::Image>;
using GdipBrush = GdipOwned<Gdiplus::GpBrush, gdip_delete::Brush>;
using GdipPen = GdipOwned<Gdiplus::GpPen, gdip_delete::Pen>;
using GdipFontFamily = GdipOwned<Gdiplus::GpFontFamily, gdip_delete::FontFamily>;
using GdipFont = GdipOwned<Gdiplus::GpFont, gdip_delete::Font>;
using GdipStringFormat = GdipOwned<Gdiplus::GpStringFormat, gdip_delete::StringFormat>;
using GdipImageAttributes = GdipOwned<Gdiplus::GpImageAttributes, gdip_delete::ImageAttributes>;
using GdipRegion = GdipOwned<Gdiplus::GpRegion, gdip_delete::Region>;
using GdipMatrix = GdipOwned<Gdiplus::GpMatrix, gdip_delete::Matrix>;

// The pixels of a bitmap (or of a part of it) locked as 32 bpp ARGB rows for reading or writing,
// unlocked when the owner goes (or at Unlock, which tells whether written pixels were taken).
class LockedPixels {
public:
    LockedPixels(Gdiplus::GpBitmap* bitmap, int x, int y, int width, int height, bool write);
    ~LockedPixels() { Unlock(); }
    LockedPixels(const LockedPixels&) = delete;
    LockedPixels& operator=(const LockedPixels&) = delete;

    explicit operator bool() const { return locked_; }
    std::uint32_t* Row(int y) const {
        return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(data_.Scan0) +
                                                static_cast<std::ptrdiff_t>(y) * data_.Stride);
    }
    // Pixels from one row to the next.
    std::ptrdiff_t Stride() const { return data_.Stride / 4; }
    bool Unlock();

private:
    Gdiplus::GpBitmap* bitmap_;
    Gdiplus::BitmapData data_{};
    bool locked_ = false;
};

// Loads an image file (PNG, JPEG, GIF, BMP); empty when the file cannot be read.
GdipImage LoadImageFile(const std::wstring& path);
// A new 32 bpp ARGB bitmap, fully transparent; empty on failure.
GdipBitmap NewArgbBitmap(int width, int height);
// Width and height of an image in pixels (0 x 0 for none).
void ImagePixelSize(Gdiplus::GpImage* image, int& width, int& height);
GdipBrush NewSolidBrush(std::uint32_t argb);
GdipPen NewPen(std::uint32_t argb, float width);
// A font of the family (falling back to the generic sans-serif family when the name is unknown),
// size in pixels, style bits; empty when the size is not usable.
GdipFont NewFont(const std::wstring& family, float sizePx, int style);
GdipStringFormat NewStringFormat(int flags);
// Image attributes with the element's colour matrix (alpha percent, luminosity percent) and
// edge pixels repeated by mirroring, so stretched slices do not fade at their borders.
GdipImageAttributes NewColourAttributes(int alphaPercent, int luminosityPercent);

// The drawing library's session: started by the program's start-up code and by test suites,
// shut down when the owner goes.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

} // namespace vimo
