#pragma once
// CLayerElement: the drawable behind a control. Its parts are composed, in the element's
// composition order, into a private 32 bpp ARGB bitmap that the control's item then copies onto
// the layer surface:
//   fill (first) - B background - I image - W window view - S stretched image - T text then
//   title - E edit text (drawn by the edit controls through LayerEditPainter) - C scroll thumb -
//   frame (last).
// The properties and their setters are in LayerElementModel; this class adds the setters that
// read image files or look at windows, and the render.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "layer/element_model.h"
#include "layer/gdip_graphics_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/shared_pictures_win.h"

namespace vimo {

struct TextBlockTools;

// The edit text part (letter E): the edit controls draw their text, caret and selection here.
class LayerEditPainter {
public:
    virtual ~LayerEditPainter() = default;
    // box is the element less the edit margins, in element pixels; part is what is drawn (the whole
    // element, or the part of it drawn again), which g is clipped to.
    virtual void PaintEdit(GdipGraphics& g, const LayerRect& box, const LayerRect& part) = 0;
};

class CLayerElement : public LayerElementModel {
public:
    // An element that keeps its bitmap allocates it at once and keeps it between draws; otherwise
    // the bitmap lives for one render and draw.
    CLayerElement(int width, int height, bool keepsBitmap);
    ~CLayerElement() override;

    // Background nine-slice image. An empty name removes it. A missing file, an image without
    // pixels or cut widths that leave no middle are refused (last error) and switch the image off.
    int SetBackgroundImage(const std::string& file, int cutLeft, int cutTop, int cutRight, int cutBottom);
    // Image part. An empty name removes it; a missing file or an image without pixels is refused.
    int SetImage(const std::string& file);
    // Stretched image part; a file that cannot be read switches it off.
    int SetStretchedImage(const std::string& file);
    // Scroll thumb image, drawn at its own size; a file that cannot be read switches it off.
    int SetThumbImage(const std::string& file);

    // Window view part: the top-level window to show, its title and its program.
    int SetWindow(HWND target, const std::string& title, const std::string& program);
    HWND WindowTarget() const { return target_; }
    // Window bar commands on the target, each recording the new state.
    void MinimizeWindow();
    void RestoreWindow();
    void ToggleMaximizeWindow();
    // Drops the kept capture so that the next render takes the window's picture again.
    void DropWindowCapture();

    // The painter of the edit text part; not owned, may be null.
    void SetEditPainter(LayerEditPainter* painter);
    // A new size: the kept bitmap and the background's pre-render follow.
    void Resize(int width, int height) override;

    // Composes the parts into the bitmap when the element is not valid: only the stale part, when
    // just a part is and the bitmap is kept. With shared pictures, an element that lets its
    // pre-render go and shows its background alone shows the shared rendering of that background
    // and keeps no bitmap of its own.
    void Render(SharedPictures* shared = nullptr);
    // The composed bitmap (null before the first render of an element that does not keep it). Read
    // only: it may be a picture other elements show too.
    Gdiplus::GpBitmap* Bitmap() const { return bitmap_ ? bitmap_.get() : shown_ ? shown_->get() : nullptr; }
    // Status of the last render's drawing calls (Ok when every call succeeded).
    Gdiplus::GpStatus RenderStatus() const { return renderStatus_; }
    // After a draw by an element that does not keep its bitmap: releases it and clears the valid
    // flag, so the next draw renders again.
    void ReleaseBitmap();
    // An element whose looks seldom change (no hover, no fading) need not keep the background's
    // pre-render once its bitmap holds the background alone: a later render draws the background
    // from its picture. Kaps' large backgrounds save a copy of themselves this way.
    void SetKeepsPrerender(bool keep) { keepsPrerender_ = keep; }

    // Decodes picture files through the given set (not owned), sharing them with the other elements
    // that use it; without one, the element decodes its pictures on its own.
    void SetPictures(SharedPictures* pictures) { pictures_ = pictures; }

    // The height that the title block's string needs when wrapped to the given width (less the
    // title margins), in whole pixels.
    int MeasureTextHeight(int width);

private:
    // The decoded picture of a file as last written: `held` when it still is that.
    Decoded Picture(const std::string& file, const Decoded& held) const;
    // Draws every part onto a cleared bitmap (`target`, which g draws on), or only within the
    // `stale` part when one is given; the status of the drawing calls.
    Gdiplus::GpStatus Compose(GdipGraphics& g, Gdiplus::GpBitmap* target, const LayerRect* stale = nullptr);
    // A picture of the element's size copied into another through the colour matrix; false when
    // either cannot be reached.
    static bool CopyThroughMatrix(Gdiplus::GpBitmap* from, Gdiplus::GpBitmap* to, int alphaPercent,
                                  int luminosityPercent);
    void DrawBackground(GdipGraphics& g);
    void DrawNineSlice(GdipGraphics& g, Gdiplus::GpImage* image, Gdiplus::GpImageAttributes* attributes);
    void PrerenderBackground();
    // The composed bitmap is the background's pre-render as it is: nothing else is drawn over it
    // and its colour matrix is plain.
    bool ShowsBackgroundAlone() const;
    void DrawImagePart(GdipGraphics& g);
    void DrawWindowView(GdipGraphics& g);
    void CaptureWindow(const WINDOWPLACEMENT& placement, bool minimized, bool maximized);
    void DrawStretched(GdipGraphics& g);
    void DrawTextBlock(GdipGraphics& g, const TextBlockProps& block);
    // The font and format of the text or title block, made again when its style has changed.
    const TextBlockTools& ToolsFor(const TextBlockProps& block);
    void DrawEdit(GdipGraphics& g, const LayerRect& part);
    void DrawThumb(GdipGraphics& g);

    GdipBitmap bitmap_;
    SharedPictures::Picture shown_;      // a shared rendering shown instead of a bitmap of its own
    SharedPictures* pictures_ = nullptr; // where picture files are decoded, shared with other elements
    // The decoded picture files of the parts, kept while the part is set (looked at again, and
    // decoded again when the file has been written since, at each render).
    Decoded backgroundPicture_, imagePicture_, stretchedPicture_, thumbPicture_;
    GdipBitmap backgroundCache_; // pre-rendered nine-slice of an element that keeps its bitmap
    HWND target_ = nullptr;
    GdipBitmap windowCache_; // the window capture scaled to the element
    LayerEditPainter* editPainter_ = nullptr;
    bool keepsPrerender_ = true;
    std::unique_ptr<TextBlockTools> textTools_, titleTools_;
    Gdiplus::GpBitmap* blankTarget_ = nullptr; // while composing: the bitmap, as long as nothing is drawn on it
    Gdiplus::GpStatus renderStatus_ = Gdiplus::Ok;
};

} // namespace vimo
