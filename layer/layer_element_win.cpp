#include "layer/layer_element_win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "layer/element_messages.h"
#include "layer/wide_text_win.h"

namespace vimo {

using namespace Gdiplus;

namespace {

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// When a file was last written (0 when it cannot be told): a picture replaced under the same name
// is another picture.
std::uint64_t LastWriteOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// Pixel size of an image file; 0 x 0 when it cannot be read.
void ImageFileSize(const std::wstring& path, int& width, int& height) {
    GdipImage image = LoadImageFile(path);
    ImagePixelSize(image.get(), width, height);
}

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
    if (file.empty()) return Changed();
    const std::wstring path = WidenAnsi(file);
    backgroundWritten_ = LastWriteOf(path);
    if (!FileExists(path)) {
        Fail(kMsgBackgroundFileName);
        return Changed();
    }
    int w = 0, h = 0;
    ImageFileSize(path, w, h);
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
    if (KeepsBitmap()) PrerenderBackground();
    return Changed();
}

int CLayerElement::SetImage(const std::string& file) {
    image_.file = file;
    image_.enabled = false;
    image_.width = image_.height = 0;
    if (file.empty()) return Changed();
    const std::wstring path = WidenAnsi(file);
    if (!FileExists(path)) {
        Fail(kMsgImageFileName);
        return Changed();
    }
    ImageFileSize(path, image_.width, image_.height);
    if (image_.width <= 0 || image_.height <= 0) {
        Fail(kMsgImageDimension);
        return Changed();
    }
    image_.enabled = true;
    return Changed();
}

int CLayerElement::SetStretchedImage(const std::string& file) {
    stretched_.file = file;
    int w = 0, h = 0;
    if (!file.empty()) ImageFileSize(WidenAnsi(file), w, h);
    stretched_.enabled = w > 0 && h > 0;
    return Changed();
}

int CLayerElement::SetThumbImage(const std::string& file) {
    thumb_.file = file;
    thumb_.width = thumb_.height = 0;
    if (!file.empty()) ImageFileSize(WidenAnsi(file), thumb_.width, thumb_.height);
    thumb_.enabled = thumb_.width > 0 && thumb_.height > 0;
    return Changed();
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
        if (background_.imageEnabled) PrerenderBackground();
    }
}

void CLayerElement::ReleaseBitmap() {
    bitmap_.reset();
    shown_.reset();
    Invalidate();
}

void CLayerElement::Render(SharedPictures* shared) {
    if (IsValid()) return;
    if (shared && !keepsPrerender_ && ShowsBackgroundAlone()) {
        const SharedPictureKey key{background_.file, backgroundWritten_, background_.cuts, Width(), Height()};
        shown_ = shared->Find(key, [this] {
            GdipBitmap picture = NewArgbBitmap(Width(), Height());
            GdipGraphics g = GdipGraphics::OnImage(picture.get());
            return g && Compose(g) == Ok ? std::move(picture) : GdipBitmap();
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
    renderStatus_ = Compose(g);
    MarkValid();
    if (!keepsPrerender_ && renderStatus_ == Ok && ShowsBackgroundAlone()) backgroundCache_.reset();
}

GpStatus CLayerElement::Compose(GdipGraphics& g) {
    g.Clear(0);
    g.SetElementQuality();
    if (fill_.colourSet && fill_.on) g.FillRect(fill_.colour.Packed(), WholeElement(Width(), Height()));
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
        case LayerPart::Edit: DrawEdit(g); break;
        case LayerPart::Thumb: DrawThumb(g); break;
        }
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
    GdipImageAttributes attributes = NewColourAttributes(b.alphaPercent, b.luminosityPercent);
    if (backgroundCache_) {
        g.DrawImage(backgroundCache_.get(), WholeElement(Width(), Height()), LayerRect{0, 0, Width(), Height()},
                    attributes.get());
        return;
    }
    GdipImage image = LoadImageFile(WidenAnsi(b.file));
    if (!image) {
        g.Check(FileNotFound);
        return;
    }
    DrawNineSlice(g, image.get(), attributes.get());
}

void CLayerElement::DrawNineSlice(GdipGraphics& g, GpImage* image, GpImageAttributes* attributes) {
    const BackgroundProps& b = background_;
    ImageType type = ImageTypeUnknown;
    Gdiplus::DllExports::GdipGetImageType(image, &type);
    for (const SlicePiece& piece : NineSlicePieces(Width(), Height(), b.imageWidth, b.imageHeight, b.cuts)) {
        if (piece.dest.Empty() || piece.source.Empty()) continue;
        const LayerRectF dest{static_cast<float>(piece.dest.x), static_cast<float>(piece.dest.y),
                              static_cast<float>(piece.dest.width), static_cast<float>(piece.dest.height)};
        // Each piece is cut out before it is stretched, so the interpolation sees only the piece's
        // own pixels and no colour of the neighbouring pieces bleeds into its edges.
        GpBitmap* cut = nullptr;
        if (type == ImageTypeBitmap && Gdiplus::DllExports::GdipCloneBitmapAreaI(
                                           piece.source.x, piece.source.y, piece.source.width, piece.source.height,
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
    GdipImage image = LoadImageFile(WidenAnsi(background_.file));
    GdipBitmap cache = NewArgbBitmap(Width(), Height());
    if (!image || !cache) return;
    GdipGraphics g = GdipGraphics::OnImage(cache.get());
    if (!g) return;
    g.Clear(0);
    g.SetElementQuality();
    // The colour matrix is applied when the cache is copied, so later alpha and luminosity
    // changes (hover) keep using the same cache.
    GdipImageAttributes plain = NewColourAttributes(100, 100);
    DrawNineSlice(g, image.get(), plain.get());
    if (g.LastStatus() == Ok) backgroundCache_ = std::move(cache);
}

void CLayerElement::DrawImagePart(GdipGraphics& g) {
    const ImageProps& im = image_;
    if (!im.enabled) return;
    GdipImage image = LoadImageFile(WidenAnsi(im.file));
    if (!image) {
        g.Check(FileNotFound);
        return;
    }
    const FittedImage fit =
        FitImage(Width(), Height(), im.margins, im.width, im.height, im.hPos, im.vPos, im.zoomPercent);
    GdipImageAttributes attributes = NewColourAttributes(im.alphaPercent, im.luminosityPercent);
    g.DrawImage(image.get(), LayerRectF{static_cast<float>(fit.x), static_cast<float>(fit.y), fit.width, fit.height},
                LayerRect{0, 0, im.width, im.height}, attributes.get());
}

void CLayerElement::DrawStretched(GdipGraphics& g) {
    if (!stretched_.enabled) return;
    GdipImage image = LoadImageFile(WidenAnsi(stretched_.file));
    if (!image) {
        g.Check(FileNotFound);
        return;
    }
    int w = 0, h = 0;
    ImagePixelSize(image.get(), w, h);
    GdipImageAttributes attributes = NewColourAttributes(stretched_.alphaPercent, 100);
    g.DrawImage(image.get(), WholeElement(Width(), Height()), LayerRect{0, 0, w, h}, attributes.get());
}

void CLayerElement::DrawEdit(GdipGraphics& g) {
    if (!editPainter_ || !edit_.marginsValid) return;
    const LayerMargins& m = edit_.margins;
    editPainter_->PaintEdit(g, LayerRect{m.left, m.top, Width() - m.left - m.right, Height() - m.top - m.bottom});
}

void CLayerElement::DrawThumb(GdipGraphics& g) {
    const ThumbProps& t = thumb_;
    if (!t.enabled) return;
    GdipImage image = LoadImageFile(WidenAnsi(t.file));
    if (!image) {
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
    g.DrawImage(image.get(),
                LayerRectF{static_cast<float>(x), static_cast<float>(y), static_cast<float>(t.width),
                           static_cast<float>(t.height)},
                LayerRect{0, 0, t.width, t.height}, attributes.get());
}

} // namespace vimo
