#include "layer/layer_element_win.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/path_kind_win.h"
#include "layer/element_messages.h"
#include "layer/pixel_blend.h"
#include "layer/text_block_tools_win.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

LayerRectF WholeElement(int width, int height) {
    return LayerRectF{0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)};
}

} // namespace

CLayerElement::CLayerElement(int width, int height, bool keepsBitmap) : LayerElementModel(width, height, keepsBitmap) {
    if (keepsBitmap) bitmap_ = NewArgbBitmap(width, height);
}

CLayerElement::~CLayerElement() = default;

int CLayerElement::SetBackgroundImage(const std::string& file, int cutLeft, int cutTop, int cutRight, int cutBottom) {
    background_.file = file;
    background_.cuts = SliceCuts{cutLeft, cutTop, cutRight, cutBottom};
    background_.imageEnabled = false;
    background_.imageWidth = background_.imageHeight = 0;
    backgroundCache_.reset();
    shown_.reset();
    backgroundPicture_.reset();
    if (file.empty()) return Changed();
    if (!IsFile(file)) {
        Fail(kMsgBackgroundFileName);
        return Changed();
    }
    backgroundPicture_ = Picture(file, nullptr);
    const int w = backgroundPicture_ ? backgroundPicture_->width : 0,
              h = backgroundPicture_ ? backgroundPicture_->height : 0;
    background_.imageWidth = w;
    background_.imageHeight = h;
    if (w <= 0 || h <= 0) {
        Fail(kMsgBackgroundDimension);
        return Changed();
    }
    if (!SliceCutsFit(Width(), Height(), w, h, background_.cuts)) {
        Fail(kMsgBackgroundCut);
        return Changed();
    }
    background_.imageEnabled = true;
    // An element that lets its pre-render go renders its background from the picture when drawn.
    if (KeepsBitmap() && keepsPrerender_) PrerenderBackground();
    return Changed();
}

int CLayerElement::SetImage(const std::string& file) {
    image_.file = file;
    image_.enabled = false;
    image_.width = image_.height = 0;
    imagePicture_.reset();
    if (file.empty()) return Changed();
    if (!IsFile(file)) {
        Fail(kMsgImageFileName);
        return Changed();
    }
    imagePicture_ = Picture(file, nullptr);
    if (imagePicture_) {
        image_.width = imagePicture_->width;
        image_.height = imagePicture_->height;
    }
    if (image_.width <= 0 || image_.height <= 0) {
        Fail(kMsgImageDimension);
        return Changed();
    }
    image_.enabled = true;
    return Changed();
}

int CLayerElement::SetStretchedImage(const std::string& file) {
    stretched_.file = file;
    stretchedPicture_ = file.empty() ? nullptr : Picture(file, nullptr);
    stretched_.enabled = stretchedPicture_ != nullptr;
    return Changed();
}

int CLayerElement::SetThumbImage(const std::string& file) {
    thumb_.file = file;
    thumb_.width = thumb_.height = 0;
    thumbPicture_ = file.empty() ? nullptr : Picture(file, nullptr);
    if (thumbPicture_) {
        thumb_.width = thumbPicture_->width;
        thumb_.height = thumbPicture_->height;
    }
    thumb_.enabled = thumb_.width > 0 && thumb_.height > 0;
    return Changed();
}

Decoded CLayerElement::Picture(const std::string& file, const Decoded& held) const {
    if (pictures_) return pictures_->Decode(file);
    if (held && held->written == LastWriteOf(file)) return held;
    return DecodePictureFile(file);
}

void CLayerElement::SetEditPainter(LayerEditPainter* painter) {
    editPainter_ = painter;
    Invalidate();
}

void CLayerElement::Resize(int width, int height) {
    if (width == Width() && height == Height()) return;
    LayerElementModel::Resize(width, height);
    // The cut widths must still leave a middle at the new size.
    const BackgroundProps& b = background_;
    background_.imageEnabled = !b.file.empty() && b.imageWidth > 0 && b.imageHeight > 0 &&
                               SliceCutsFit(width, height, b.imageWidth, b.imageHeight, b.cuts);
    bitmap_.reset();
    shown_.reset();
    backgroundCache_.reset();
    if (KeepsBitmap()) {
        bitmap_ = NewArgbBitmap(width, height);
        if (background_.imageEnabled && keepsPrerender_) PrerenderBackground();
    }
}

void CLayerElement::ReleaseBitmap() {
    bitmap_.reset();
    shown_.reset();
    Invalidate();
}

void CLayerElement::Render(SharedPictures* shared) {
    if (IsValid()) return;
    const LayerRect part = StalePart();
    if (!part.Empty() && bitmap_) {
        // The rest of the kept bitmap still shows the element as it is.
        GdipGraphics g = GdipGraphics::OnImage(bitmap_.get());
        if (g) {
            renderStatus_ = Compose(g, bitmap_.get(), &part);
            MarkValid();
            return;
        }
    }
    if (shared && !keepsPrerender_ && ShowsBackgroundAlone()) {
        backgroundPicture_ = Picture(background_.file, backgroundPicture_);
        const SharedPictureKey key{background_.file, backgroundPicture_ ? backgroundPicture_->written : 0,
                                   background_.cuts, Width(), Height()};
        shown_ = shared->Find(key, [this] {
            GdipBitmap picture = NewArgbBitmap(Width(), Height());
            GdipGraphics g = GdipGraphics::OnImage(picture.get());
            return g && Compose(g, picture.get()) == Ok ? std::move(picture) : GdipBitmap();
        });
        if (shown_) {
            bitmap_.reset();
            backgroundCache_.reset();
            renderStatus_ = Ok;
            MarkValid();
            return;
        }
    }
    shown_.reset();
    if (!bitmap_) bitmap_ = NewArgbBitmap(Width(), Height());
    if (!bitmap_) return;
    GdipGraphics g = GdipGraphics::OnImage(bitmap_.get());
    if (!g) {
        renderStatus_ = g.LastStatus();
        return;
    }
    renderStatus_ = Compose(g, bitmap_.get());
    MarkValid();
    if (!keepsPrerender_ && renderStatus_ == Ok && ShowsBackgroundAlone()) backgroundCache_.reset();
}

namespace {

// Every pixel of a bitmap's part made transparent through its locked bits (the library's clear
// goes through its general fill); false when the bits cannot be reached.
bool ClearBits(GpBitmap* bitmap, const LayerRect& part) {
    LockedPixels bits(bitmap, part.x, part.y, part.width, part.height, true);
    if (!bits) return false;
    for (int y = 0; y < part.height; ++y) std::memset(bits.Row(y), 0, static_cast<std::size_t>(part.width) * 4);
    return bits.Unlock();
}

} // namespace

GpStatus CLayerElement::Compose(GdipGraphics& g, GpBitmap* target, const LayerRect* stale) {
    const LayerRect cleared = stale ? *stale : LayerRect{0, 0, Width(), Height()};
    if (stale) g.SetClip(*stale);
    if (!(target && GdipFlush(g.Get(), FlushIntentionSync) == Ok && ClearBits(target, cleared))) g.Clear(0);
    g.SetElementQuality();
    const bool filled = fill_.colourSet && fill_.on;
    if (filled) g.FillRect(fill_.colour.Packed(), WholeElement(Width(), Height()));
    // Drawn first on the cleared bitmap, the background's pre-render is copied in rather than drawn
    // (the copy takes the whole bitmap: not for a part).
    blankTarget_ = filled || stale ? nullptr : target;
    for (LayerPart part : ParseCompositionOrder(CompositionOrder())) {
        switch (part) {
        case LayerPart::Background: DrawBackground(g); break;
        case LayerPart::Image: DrawImagePart(g); break;
        case LayerPart::WindowView: DrawWindowView(g); break;
        case LayerPart::Stretched: DrawStretched(g); break;
        case LayerPart::Text:
            DrawTextBlock(g, text_);
            DrawTextBlock(g, title_);
            break;
        case LayerPart::Edit: DrawEdit(g, cleared); break;
        case LayerPart::Thumb: DrawThumb(g); break;
        }
        blankTarget_ = nullptr;
    }
    if (frame_.on && frame_.width >= 1)
        g.DrawRect(frame_.colour.Packed(), frame_.width, true, ElementFrameBox(Width(), Height(), frame_.width));
    return g.LastStatus();
}

bool CLayerElement::ShowsBackgroundAlone() const {
    const BackgroundProps& b = background_;
    const std::vector<LayerPart> order = ParseCompositionOrder(CompositionOrder());
    const bool drawn = std::find(order.begin(), order.end(), LayerPart::Background) != order.end();
    return drawn && b.imageEnabled && !b.colour.Enabled() && b.frameWidth < 1 && b.alphaPercent == 100 &&
           b.luminosityPercent == 100 && !(fill_.colourSet && fill_.on) && !image_.enabled && !target_ &&
           !stretched_.enabled && !text_.Drawable() && !title_.Drawable() && !editPainter_ && !thumb_.enabled &&
           !(frame_.on && frame_.width >= 1);
}

void CLayerElement::DrawBackground(GdipGraphics& g) {
    const BackgroundProps& b = background_;
    if (b.colour.Enabled()) g.FillRect(b.colour.Packed(), WholeElement(Width(), Height()));
    if (b.frameWidth >= 1)
        g.DrawRect(b.frameColour.Packed(), b.frameWidth, false, ElementFrameBox(Width(), Height(), b.frameWidth));
    if (!b.imageEnabled) return;
    if (backgroundCache_ && blankTarget_ && !b.colour.Enabled() && b.frameWidth < 1 &&
        GdipFlush(g.Get(), FlushIntentionSync) == Ok &&
        CopyThroughMatrix(backgroundCache_.get(), blankTarget_, b.alphaPercent, b.luminosityPercent))
        return;
    GdipImageAttributes attributes = NewColourAttributes(b.alphaPercent, b.luminosityPercent);
    if (backgroundCache_) {
        g.DrawImage(backgroundCache_.get(), WholeElement(Width(), Height()), LayerRect{0, 0, Width(), Height()},
                    attributes.get());
        return;
    }
    backgroundPicture_ = Picture(b.file, backgroundPicture_);
    if (!backgroundPicture_) {
        g.Check(FileNotFound);
        return;
    }
    DrawNineSlice(g, backgroundPicture_->bitmap.get(), attributes.get());
}

bool CLayerElement::CopyThroughMatrix(GpBitmap* from, GpBitmap* to, int alphaPercent, int luminosityPercent) {
    int w = 0, h = 0, toW = 0, toH = 0;
    ImagePixelSize(from, w, h);
    ImagePixelSize(to, toW, toH);
    if (w != toW || h != toH || w <= 0 || h <= 0) return false;
    LockedPixels source(from, 0, 0, w, h, false), target(to, 0, 0, w, h, true);
    if (!source || !target) return false;
    for (int y = 0; y < h; ++y)
        ApplyColourMatrix(source.Row(y), target.Row(y), static_cast<std::size_t>(w), alphaPercent, luminosityPercent);
    return target.Unlock();
}

void CLayerElement::DrawNineSlice(GdipGraphics& g, GpImage* image, GpImageAttributes* attributes) {
    const BackgroundProps& b = background_;
    ImageType type = ImageTypeUnknown;
    GdipGetImageType(image, &type);
    for (const SlicePiece& piece : NineSlicePieces(Width(), Height(), b.imageWidth, b.imageHeight, b.cuts)) {
        if (piece.dest.Empty() || piece.source.Empty()) continue;
        const LayerRectF dest{static_cast<float>(piece.dest.x), static_cast<float>(piece.dest.y),
                              static_cast<float>(piece.dest.width), static_cast<float>(piece.dest.height)};
        // Each piece is cut out before it is stretched, so the interpolation sees only the piece's
        // own pixels and no colour of the neighbouring pieces bleeds into its edges.
        GpBitmap* cut = nullptr;
        if (type == ImageTypeBitmap &&
            GdipCloneBitmapAreaI(piece.source.x, piece.source.y, piece.source.width, piece.source.height,
                                 PixelFormat32bppARGB, static_cast<GpBitmap*>(image), &cut) == Ok) {
            GdipBitmap owned(cut);
            g.DrawImageExactly(owned.get(), piece.source.width, piece.source.height, piece.dest, attributes);
        } else {
            g.DrawImage(image, dest, piece.source, attributes);
        }
    }
}

void CLayerElement::PrerenderBackground() {
    backgroundCache_.reset();
    backgroundPicture_ = Picture(background_.file, backgroundPicture_);
    GdipBitmap cache = NewArgbBitmap(Width(), Height());
    if (!backgroundPicture_ || !cache) return;
    GdipGraphics g = GdipGraphics::OnImage(cache.get());
    if (!g) return;
    g.Clear(0);
    g.SetElementQuality();
    // The colour matrix is applied when the cache is copied, so later alpha and luminosity
    // changes (hover) keep using the same cache.
    GdipImageAttributes plain = NewColourAttributes(100, 100);
    DrawNineSlice(g, backgroundPicture_->bitmap.get(), plain.get());
    if (g.LastStatus() == Ok) backgroundCache_ = std::move(cache);
}

void CLayerElement::DrawImagePart(GdipGraphics& g) {
    const ImageProps& im = image_;
    if (!im.enabled) return;
    imagePicture_ = Picture(im.file, imagePicture_);
    if (!imagePicture_) {
        g.Check(FileNotFound);
        return;
    }
    GpBitmap* image = imagePicture_->bitmap.get();
    const FittedImage fit =
        FitImage(Width(), Height(), im.margins, im.width, im.height, im.hPos, im.vPos, im.zoomPercent);
    GdipImageAttributes attributes = NewColourAttributes(im.alphaPercent, im.luminosityPercent);
    g.DrawImage(image, LayerRectF{static_cast<float>(fit.x), static_cast<float>(fit.y), fit.width, fit.height},
                LayerRect{0, 0, im.width, im.height}, attributes.get());
}

void CLayerElement::DrawStretched(GdipGraphics& g) {
    if (!stretched_.enabled) return;
    stretchedPicture_ = Picture(stretched_.file, stretchedPicture_);
    if (!stretchedPicture_) {
        g.Check(FileNotFound);
        return;
    }
    const DecodedPicture& picture = *stretchedPicture_;
    GdipImageAttributes attributes = NewColourAttributes(stretched_.alphaPercent, 100);
    g.DrawImage(picture.bitmap.get(), WholeElement(Width(), Height()), LayerRect{0, 0, picture.width, picture.height},
                attributes.get());
}

void CLayerElement::DrawEdit(GdipGraphics& g, const LayerRect& part) {
    if (!editPainter_ || !edit_.marginsValid) return;
    const LayerMargins& m = edit_.margins;
    editPainter_->PaintEdit(g, LayerRect{m.left, m.top, Width() - m.left - m.right, Height() - m.top - m.bottom}, part);
}

void CLayerElement::DrawThumb(GdipGraphics& g) {
    const ThumbProps& t = thumb_;
    if (!t.enabled) return;
    thumbPicture_ = Picture(t.file, thumbPicture_);
    if (!thumbPicture_) {
        g.Check(FileNotFound);
        return;
    }
    int x = 0, y = 0;
    if (t.orientation == 0) {
        x = (Width() - t.width) / 2;
        y = ThumbOffset(Height(), t.startMargin, t.endMargin, t.height, t.percent);
    } else {
        x = ThumbOffset(Width(), t.startMargin, t.endMargin, t.width, t.percent);
        y = (Height() - t.height) / 2;
    }
    GdipImageAttributes attributes = NewColourAttributes(t.alphaPercent, t.luminosityPercent);
    g.DrawImage(thumbPicture_->bitmap.get(),
                LayerRectF{static_cast<float>(x), static_cast<float>(y), static_cast<float>(t.width),
                           static_cast<float>(t.height)},
                LayerRect{0, 0, t.width, t.height}, attributes.get());
}

} // namespace vimo
