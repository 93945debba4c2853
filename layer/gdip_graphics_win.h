#pragma once
// A graphics context of the drawing library with the few operations the layer engine uses.
// A call that fails leaves its status here (LastStatus) and drawing goes on with the next step.
#include <cstdint>
#include <string>

#include "layer/gdiplus_api_win.h"
#include "layer/layer_geometry.h"
#include "layer/text_block_layout.h"

namespace vimo {

class GdipGraphics {
public:
    GdipGraphics() = default;
    // A context that draws into a bitmap.
    static GdipGraphics OnImage(Gdiplus::GpImage* image);
    // A context that draws into a device context.
    static GdipGraphics OnDc(HDC dc);
    ~GdipGraphics();
    GdipGraphics(GdipGraphics&& o) noexcept;
    GdipGraphics& operator=(GdipGraphics&& o) noexcept;
    GdipGraphics(const GdipGraphics&) = delete;
    GdipGraphics& operator=(const GdipGraphics&) = delete;

    Gdiplus::GpGraphics* Get() const { return g_; }
    explicit operator bool() const { return g_ != nullptr; }
    // Ok, or the status of the last call that failed.
    Gdiplus::GpStatus LastStatus() const { return status_; }
    // Keeps a failed status; returns the status given.
    Gdiplus::GpStatus Check(Gdiplus::GpStatus s) {
        if (s != Gdiplus::Ok) status_ = s;
        return s;
    }

    // The element's quality settings: anti-aliased text with contrast 0, high-quality
    // interpolation, high-speed compositing, pixel offset and smoothing.
    void SetElementQuality();
    void SetTextHint(Gdiplus::TextRenderingHint hint);
    void Clear(std::uint32_t argb);
    void SetClip(const LayerRect& r);
    void ResetClip();
    // The bounding box of the clip in whole pixels (a huge box when nothing clips).
    LayerRect ClipBounds();
    void FillRect(std::uint32_t argb, const LayerRectF& r);
    void DrawRect(std::uint32_t argb, int penWidth, bool dashed, const LayerRectF& r);
    // Draws a source rectangle of an image into a destination rectangle (pixel units).
    void DrawImage(Gdiplus::GpImage* image, const LayerRectF& dest, const LayerRect& source,
                   Gdiplus::GpImageAttributes* attributes = nullptr);
    // Draws a whole image stretched over exactly the pixels of `dest` and no others: the stretch is
    // drawn one pixel wider on every side under a clip, so no rounding of the library can leave the
    // first or last row or column of the destination empty. Wants a wrap mode on `attributes` for the
    // pixels beyond the image's edges.
    void DrawImageExactly(Gdiplus::GpImage* image, int imageWidth, int imageHeight, const LayerRect& dest,
                          Gdiplus::GpImageAttributes* attributes);
    void DrawString(const std::wstring& text, Gdiplus::GpFont* font, const LayerRectF& layout,
                    Gdiplus::GpStringFormat* format, std::uint32_t argb);
    // The bounding box the string needs in the layout rectangle.
    LayerRectF MeasureString(const std::wstring& text, Gdiplus::GpFont* font, const LayerRectF& layout,
                             Gdiplus::GpStringFormat* format);

private:
    GdipGraphics(Gdiplus::GpGraphics* g, Gdiplus::GpStatus s);
    void Delete();
    Gdiplus::GpGraphics* g_ = nullptr;
    Gdiplus::GpStatus status_ = Gdiplus::Ok;
};

} // namespace vimo
