#pragma once
// CPictureItem: the photo album's picture on the layer host. It holds the decoded working copy of
// the picture on show and a rendered frame of its own size: the picture fitted into the item,
// centred, scaled by the zoom and faded by its alpha percent. The frame is rendered again only
// when the picture, the zoom, the alpha or the size change; every other redraw copies it.
// The item has no input window, so the pointer reaches the kap window beneath.
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_item_win.h"

namespace vimo {

class CPictureItem : public CLayerItem {
public:
    CPictureItem(CLayerHost* host, int x, int y, int width, int height);

    // The picture to show (empty: none).
    void SetPicture(GdipBitmap picture);
    bool HasPicture() const { return picture_ != nullptr; }
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    void SetAlphaPercent(int percent);
    // How many times the frame was rendered (each costs a scaled draw of the picture).
    int RenderCount() const { return renders_; }

    void SetBounds(const LayerRect& bounds) override;
    void Draw(GdipGraphics& g) override;

private:
    void Render();

    GdipBitmap picture_;
    int pictureWidth_ = 0, pictureHeight_ = 0;
    GdipBitmap frame_;
    int zoom_ = 100, alpha_ = 100;
    bool valid_ = false;
    int renders_ = 0;
};

} // namespace vimo
