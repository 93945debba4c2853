#include "layer/gdip_graphics_win.h"

#include <utility>

#include "layer/gdiplus_raii_win.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {
RectF ToRectF(const LayerRectF& r) { return RectF(r.x, r.y, r.width, r.height); }
} // namespace

GdipGraphics GdipGraphics::OnImage(GpImage* image) {
    GpGraphics* g = nullptr;
    GpStatus s = image ? GdipGetImageGraphicsContext(image, &g) : InvalidParameter;
    return GdipGraphics(s == Ok ? g : nullptr, s);
}

GdipGraphics GdipGraphics::OnDc(HDC dc) {
    GpGraphics* g = nullptr;
    GpStatus s = dc ? GdipCreateFromHDC(dc, &g) : InvalidParameter;
    return GdipGraphics(s == Ok ? g : nullptr, s);
}

GdipGraphics::GdipGraphics(GpGraphics* g, GpStatus s) : g_(g), status_(s) {
    if (g_) CountLive(LiveKind::Gdiplus, 1);
}

GdipGraphics::~GdipGraphics() { Delete(); }

void GdipGraphics::Delete() {
    if (!g_) return;
    GdipDeleteGraphics(g_);
    CountLive(LiveKind::Gdiplus, -1);
    g_ = nullptr;
}

GdipGraphics::GdipGraphics(GdipGraphics&& o) noexcept
    : g_(std::exchange(o.g_, nullptr)), status_(std::exchange(o.status_, Ok)) {}

GdipGraphics& GdipGraphics::operator=(GdipGraphics&& o) noexcept {
    if (this != &o) {
        Delete();
        g_ = std::exchange(o.g_, nullptr);
        status_ = std::exchange(o.status_, Ok);
    }
    return *this;
}

void GdipGraphics::SetElementQuality() {
    if (!g_) return;
    Check(GdipSetTextRenderingHint(g_, TextRenderingHintAntiAlias));
    Check(GdipSetTextContrast(g_, 0));
    Check(GdipSetInterpolationMode(g_, InterpolationModeHighQuality));
    Check(GdipSetCompositingQuality(g_, CompositingQualityHighSpeed));
    Check(GdipSetPixelOffsetMode(g_, PixelOffsetModeHighSpeed));
    Check(GdipSetSmoothingMode(g_, SmoothingModeHighSpeed));
}

void GdipGraphics::SetTextHint(TextRenderingHint hint) {
    if (g_) Check(GdipSetTextRenderingHint(g_, hint));
}

void GdipGraphics::Clear(std::uint32_t argb) {
    if (g_) Check(GdipGraphicsClear(g_, argb));
}

void GdipGraphics::SetClip(const LayerRect& r) {
    if (g_) Check(GdipSetClipRectI(g_, r.x, r.y, r.width, r.height, CombineModeReplace));
}

void GdipGraphics::ResetClip() {
    if (g_) Check(GdipResetClip(g_));
}

LayerRect GdipGraphics::ClipBounds() {
    GpRect bounds(0, 0, 0, 0);
    if (!g_ || Check(GdipGetClipBoundsI(g_, &bounds)) != Ok) return LayerRect{};
    return LayerRect{bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

void GdipGraphics::FillRect(std::uint32_t argb, const LayerRectF& r) {
    if (!g_) return;
    GdipBrush brush = NewSolidBrush(argb);
    if (!brush) {
        status_ = OutOfMemory;
        return;
    }
    Check(GdipFillRectangle(g_, brush.get(), r.x, r.y, r.width, r.height));
}

void GdipGraphics::DrawRect(std::uint32_t argb, int penWidth, bool dashed, const LayerRectF& r) {
    if (!g_) return;
    GdipPen pen = NewPen(argb, static_cast<float>(penWidth));
    if (!pen) {
        status_ = OutOfMemory;
        return;
    }
    if (dashed) Check(GdipSetPenDashStyle(pen.get(), DashStyleDash));
    Check(GdipDrawRectangle(g_, pen.get(), r.x, r.y, r.width, r.height));
}

void GdipGraphics::DrawImage(GpImage* image, const LayerRectF& dest, const LayerRect& source,
                             GpImageAttributes* attributes) {
    if (!g_ || !image) return;
    Check(GdipDrawImageRectRect(g_, image, dest.x, dest.y, dest.width, dest.height, static_cast<REAL>(source.x),
                                static_cast<REAL>(source.y), static_cast<REAL>(source.width),
                                static_cast<REAL>(source.height), UnitPixel, attributes, nullptr, nullptr));
}

void GdipGraphics::DrawImageExactly(GpImage* image, int imageWidth, int imageHeight, const LayerRect& dest,
                                    GpImageAttributes* attributes) {
    if (!g_ || !image || dest.Empty() || imageWidth <= 0 || imageHeight <= 0) return;
    GraphicsState state = 0;
    if (Check(GdipSaveGraphics(g_, &state)) != Ok) return;
    Check(GdipSetClipRectI(g_, dest.x, dest.y, dest.width, dest.height, CombineModeIntersect));
    // One destination pixel more on each side is this much of the source.
    const REAL sx = static_cast<REAL>(imageWidth) / dest.width, sy = static_cast<REAL>(imageHeight) / dest.height;
    Check(GdipDrawImageRectRect(g_, image, static_cast<REAL>(dest.x - 1), static_cast<REAL>(dest.y - 1),
                                static_cast<REAL>(dest.width + 2), static_cast<REAL>(dest.height + 2), -sx, -sy,
                                imageWidth + 2 * sx, imageHeight + 2 * sy, UnitPixel, attributes, nullptr, nullptr));
    Check(GdipRestoreGraphics(g_, state));
}

void GdipGraphics::DrawString(const std::wstring& text, GpFont* font, const LayerRectF& layout, GpStringFormat* format,
                              std::uint32_t argb) {
    if (!g_ || !font) return;
    GdipBrush brush = NewSolidBrush(argb);
    if (!brush) {
        status_ = OutOfMemory;
        return;
    }
    const RectF rect = ToRectF(layout);
    Check(GdipDrawString(g_, text.c_str(), static_cast<INT>(text.size()), font, &rect, format, brush.get()));
}

LayerRectF GdipGraphics::MeasureString(const std::wstring& text, GpFont* font, const LayerRectF& layout,
                                       GpStringFormat* format) {
    RectF box(0, 0, 0, 0);
    if (!g_ || !font) return LayerRectF{};
    const RectF rect = ToRectF(layout);
    Check(GdipMeasureString(g_, text.c_str(), static_cast<INT>(text.size()), font, &rect, format, &box, nullptr,
                            nullptr));
    return LayerRectF{box.X, box.Y, box.Width, box.Height};
}

} // namespace vimo
