#include "kaps/desk/photoalbum/picture_item_win.h"

#include <algorithm>

#include "layer/image_fit.h"

namespace vimo {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

GdipBitmap NewFrame(int width, int height) {
    GpBitmap* bitmap = nullptr;
    if (width <= 0 || height <= 0) return {};
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &bitmap) != Ok) return {};
    return GdipBitmap(bitmap);
}

LayerRectF ToF(const LayerRect& r) {
    return LayerRectF{static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.width),
                      static_cast<float>(r.height)};
}

} // namespace

CPictureItem::CPictureItem(CLayerHost* host, int x, int y, int width, int height)
    : CLayerItem(host, x, y, width, height) {}

void CPictureItem::SetPicture(GdipBitmap picture) {
    picture_ = std::move(picture);
    ImagePixelSize(picture_.get(), pictureWidth_, pictureHeight_);
    valid_ = false;
}

void CPictureItem::SetZoom(int percent) {
    zoom_ = std::clamp(percent, 0, 200);
    valid_ = false;
}

void CPictureItem::SetAlphaPercent(int percent) {
    alpha_ = std::clamp(percent, 0, 100);
    valid_ = false;
}

void CPictureItem::SetBounds(const LayerRect& bounds) {
    if (!(bounds == Rect())) valid_ = false;
    CLayerItem::SetBounds(bounds);
}

void CPictureItem::Render() {
    valid_ = true;
    const LayerRect r = Rect();
    if (!picture_ || r.Empty()) {
        frame_.reset();
        return;
    }
    ++renders_;
    int frameWidth = 0, frameHeight = 0;
    ImagePixelSize(frame_.get(), frameWidth, frameHeight);
    if (frameWidth != r.width || frameHeight != r.height) frame_ = NewFrame(r.width, r.height);
    if (!frame_) return;
    GdipGraphics g = GdipGraphics::OnImage(frame_.get());
    if (!g) return;
    g.SetElementQuality();
    g.Clear(0);
    const FittedImage fit = FitImage(r.width, r.height, LayerMargins{}, pictureWidth_, pictureHeight_, 0, 0, zoom_);
    GdipImageAttributes attributes = NewColourAttributes(alpha_, 100);
    g.DrawImage(picture_.get(), LayerRectF{static_cast<float>(fit.x), static_cast<float>(fit.y), fit.width, fit.height},
                LayerRect{0, 0, pictureWidth_, pictureHeight_}, attributes.get());
}

void CPictureItem::Draw(GdipGraphics& g) {
    if (!valid_) Render();
    if (!frame_) return;
    const LayerRect r = EffectiveRect();
    const LayerRect part = Intersection(r, g.ClipBounds());
    if (!part.Empty()) g.DrawImage(frame_.get(), ToF(part), part.Moved(-r.x, -r.y));
}

} // namespace vimo
