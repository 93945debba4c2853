#pragma once
// The properties of a layer element and their setters: what every part draws, clamped and
// validated the same way on every platform. The drawing itself (CLayerElement) adds the setters
// that need image files or windows, and the render.
//
// Every setter clamps its input, clears the valid flag (so the next draw renders again) and
// returns the status word, which stays kLayerStatusGood: a refused value is reported in the last
// error text and switches only the part concerned off.
#include <string>

#include "layer/composition_order.h"
#include "layer/layer_geometry.h"
#include "layer/image_fit.h"
#include "layer/layer_colour.h"
#include "layer/nine_slice.h"
#include "layer/text_style.h"

namespace vimo {

constexpr int kLayerStatusGood = 1;

int ClampFrameWidth(int width);      // 0..20
int ClampScrollPercent(int percent); // -1..100

enum class TextBlockId { Text, Title };

struct FillProps {
    LayerColour colour;
    bool colourSet = false;
    bool on = false;
};

struct FrameProps {
    int width = 0; // 0..20; the frame is configured from 1
    LayerColour colour;
    bool on = false;
};

struct BackgroundProps {
    LayerColour colour; // drawn when its alpha is above 0
    int frameWidth = 0; // drawn from 1
    LayerColour frameColour;
    std::string file;
    SliceCuts cuts;
    int imageWidth = 0, imageHeight = 0;
    bool imageEnabled = false;
    int alphaPercent = 100;
    int luminosityPercent = 100;
};

struct ImageProps {
    std::string file;
    int width = 0, height = 0;
    bool enabled = false;
    LayerMargins margins;
    int hPos = 0, vPos = 0;
    int zoomPercent = 100;
    int alphaPercent = 100;
    int luminosityPercent = 100;
};

struct WindowViewProps {
    std::string title, program;
    LayerMargins margins;
    bool marginsValid = true;
    int hPos = 0, vPos = 0;
    int zoomPercent = 100;
    int alphaPercent = 100;
    int luminosityPercent = 100;
    bool minimized = false, maximized = false; // the target's state at the last look
};

struct StretchedProps {
    std::string file;
    bool enabled = false;
    int alphaPercent = 100;
};

struct TextBlockProps {
    std::string text;
    std::string font = "Arial";
    int size = 10; // pixels
    int type = 0;
    int hPos = 0, vPos = 0;
    int orientation = 0; // 0 horizontal, 1 vertical
    LayerMargins margins;
    bool marginsValid = true;
    LayerColour colour{255, 0, 0, 0};
    bool shadowed = false;
    LayerColour doubled; // one-pixel outline, on when its alpha is above 0
    bool underline = false;
    LayerColour background; // on when its alpha is above 0
    int frameWidth = 0;
    LayerColour frameColour; // on when its alpha is above 0
    bool shown = true;
    bool singleLine = false; // one line, cut at the block's edge (with an ellipsis where drawn)

    bool Drawable() const { return shown && marginsValid && !text.empty(); }
};

struct EditProps {
    LayerMargins margins;
    bool marginsValid = true;
};

struct ThumbProps {
    std::string file;
    int width = 0, height = 0;
    bool enabled = false;
    int orientation = 0; // 0 vertical, otherwise horizontal
    int percent = 0;     // -1..100
    int startMargin = 0, endMargin = 0;
    int alphaPercent = 100;
    int luminosityPercent = 100;
};

class LayerElementModel {
public:
    LayerElementModel(int width, int height, bool keepsBitmap);
    virtual ~LayerElementModel() = default;
    LayerElementModel(const LayerElementModel&) = delete;
    LayerElementModel& operator=(const LayerElementModel&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size (a kap that grows): the margins are checked again and the element redrawn.
    virtual void Resize(int width, int height);
    bool KeepsBitmap() const { return keepsBitmap_; }
    int Status() const { return status_; }
    const std::string& LastError() const { return lastError_; }
    bool IsValid() const { return valid_; }
    void Invalidate() {
        valid_ = false;
        stale_ = LayerRect{};
    }
    // Only this part of the element (in its own pixels) draws differently: the next render draws
    // the part again over the kept bitmap. Parts add up until the render; an element already
    // wholly invalid stays so.
    void InvalidatePart(const LayerRect& part);
    // What the next render draws: empty for the whole element.
    const LayerRect& StalePart() const { return stale_; }

    int SetCompositionOrder(const std::string& order);
    const std::string& CompositionOrder() const { return order_; }

    int SetFillColour(int a, int r, int g, int b);
    int SetFillOn(bool on);
    int SetFrame(int width, int a, int r, int g, int b);
    int SetFrame(int width, const LayerColour& c) { return SetFrame(width, c.alpha, c.red, c.green, c.blue); }
    int SetFrameOn(bool on);

    int SetBackgroundColour(int a, int r, int g, int b);
    int SetBackgroundColour(const LayerColour& c) { return SetBackgroundColour(c.alpha, c.red, c.green, c.blue); }
    int SetBackgroundFrame(int width, int a, int r, int g, int b);
    int SetBackgroundFrame(int width, const LayerColour& c) {
        return SetBackgroundFrame(width, c.alpha, c.red, c.green, c.blue);
    }
    int SetBackgroundAlphaPercent(int percent);
    int SetBackgroundLuminosityPercent(int percent);

    int SetImageMargins(int left, int top, int right, int bottom);
    int SetImagePosition(int hPos, int vPos);
    int SetImageZoom(int percent);
    int SetImageAlphaPercent(int percent);
    int SetImageLuminosityPercent(int percent);

    int SetWindowMargins(int left, int top, int right, int bottom);
    int SetWindowPosition(int hPos, int vPos);
    int SetWindowZoom(int percent);
    int SetWindowAlphaPercent(int percent);
    int SetWindowLuminosityPercent(int percent);

    int SetStretchedAlphaPercent(int percent);

    // The luminosity of every image of the element (background, image, window view): the hover
    // brightening of buttons.
    int SetImagesLuminosityPercent(int percent);

    // Text and title blocks.
    int SetBlockText(TextBlockId block, const std::string& text);
    int SetBlockFont(TextBlockId block, const std::string& family, int sizePx, int type);
    int SetBlockPosition(TextBlockId block, int hPos, int vPos);
    int SetBlockOrientation(TextBlockId block, int orientation);
    // A block that never wraps: a text too long for it is cut at its edge (list rows).
    int SetBlockSingleLine(TextBlockId block, bool singleLine);
    int SetBlockMargins(TextBlockId block, int left, int top, int right, int bottom);
    int SetBlockColour(TextBlockId block, int a, int r, int g, int b);
    int SetBlockShadowed(TextBlockId block, bool shadowed);
    int SetBlockDoubledColour(TextBlockId block, int a, int r, int g, int b);
    // The font, colour, shadow and (when the style has one) outline of a block.
    int SetBlockStyle(TextBlockId block, const LayerTextStyle& style);
    int SetBlockUnderline(TextBlockId block, bool underline);
    int SetBlockBackground(TextBlockId block, int a, int r, int g, int b);
    int SetBlockFrame(TextBlockId block, int width, int a, int r, int g, int b);
    int ShowBlock(TextBlockId block, bool shown);
    int SetTitleMargins(int left, int top, int right, int bottom) {
        return SetBlockMargins(TextBlockId::Title, left, top, right, bottom);
    }
    int SetTextMargins(int left, int top, int right, int bottom) {
        return SetBlockMargins(TextBlockId::Text, left, top, right, bottom);
    }

    int SetEditMargins(int left, int top, int right, int bottom);

    int SetThumbOrientation(int orientation);
    int SetThumbPercent(int percent);
    int SetThumbMargins(int startMargin, int endMargin);
    int SetThumbAlphaPercent(int percent);
    int SetThumbLuminosityPercent(int percent);

    const FillProps& Fill() const { return fill_; }
    const FrameProps& Frame() const { return frame_; }
    const BackgroundProps& Background() const { return background_; }
    const ImageProps& Image() const { return image_; }
    const WindowViewProps& WindowView() const { return window_; }
    const StretchedProps& Stretched() const { return stretched_; }
    const TextBlockProps& Block(TextBlockId block) const { return block == TextBlockId::Title ? title_ : text_; }
    const EditProps& Edit() const { return edit_; }
    const ThumbProps& Thumb() const { return thumb_; }

protected:
    // Clears the valid flag and returns the status word: the tail of every setter.
    int Changed() {
        Invalidate();
        return status_;
    }
    // Records a refused value.
    void Fail(const char* message) { lastError_ = message; }
    void MarkValid() {
        valid_ = true;
        stale_ = LayerRect{};
    }
    TextBlockProps& MutableBlock(TextBlockId block) { return block == TextBlockId::Title ? title_ : text_; }

    FillProps fill_;
    FrameProps frame_;
    BackgroundProps background_;
    ImageProps image_;
    WindowViewProps window_;
    StretchedProps stretched_;
    TextBlockProps text_, title_;
    EditProps edit_;
    ThumbProps thumb_;

private:
    int width_, height_;
    bool keepsBitmap_;
    int status_ = kLayerStatusGood;
    bool valid_ = false;
    LayerRect stale_; // empty while the whole element is to be drawn
    std::string lastError_;
    std::string order_ = kDefaultCompositionOrder;
};

} // namespace vimo
