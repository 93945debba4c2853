#pragma once
// CLayerScrollV and CLayerScrollH: layered scroll bars. The element draws the track as its
// background colour (the inactive colour, or the active colour while the pointer is over the bar)
// and the thumb image (scroll thumb part) at the bar's percent.
//
// The bar knows the length of the content it scrolls (its range, in pixels) and its position in
// it; the kap hears of every change of the percent through the value message (percent in
// WPARAM). While the pointer is over the bar, moving it straight along the bar moves the thumb
// to the pointer; moves that also go across the bar are only recorded, so passing over the bar
// on the way elsewhere leaves it alone. The vertical bar also scrolls by the mouse wheel, and
// keeps its hover while the left button drags beyond it.
#include <string>

#include "layer/controls/control_state.h"
#include "layer/controls/layer_control_win.h"
#include "layer/controls/scroll_math.h"
#include "layer/layer_colour.h"

namespace vimo {

class CLayerScroll : public CLayerControl {
public:
    // Content length in pixels; a value whose half is below 101 or not below 10000 is ignored
    // (false). The percent stays, the position follows.
    bool SetRange(int range);
    // Percent of the content scrolled (clamped to 0..100): moves the thumb and repaints; posts
    // nothing.
    void SetPercent(int percent);
    int Range() const { return model_.Range(); }
    int Position() const { return model_.Position(); }
    int Percent() const { return model_.Percent(); }

    // Track colours while the pointer is away from the bar and while it is over it.
    void SetTrackColours(const LayerColour& inactive, const LayerColour& active);
    // Thumb image (drawn at its own size) and the thumb's margins at the start and end of the bar.
    void SetThumb(const std::string& file);
    void SetThumbMargins(int startMargin, int endMargin);
    // Thumb luminosity while the pointer is over the vertical bar (the horizontal bar uses 70 %).
    void SetHoverLuminosity(int percent);

    // A wheel turn over the bar: the content moves one step against the delta (vertical bar).
    void Wheel(int delta);

    bool IsHovered() const { return hovered_; }
    bool IsVertical() const { return vertical_; }

    bool OnReflectedCommand(UINT code) override;

    static constexpr UINT_PTR kLeaveTimer = 1;
    static constexpr UINT_PTR kRepaintTimer = 2;
    static constexpr UINT_PTR kRepaintTimer2 = 3;
    static constexpr UINT kLeaveMs = 50;
    static constexpr UINT kRepaintMs = 100;
    static constexpr int kHorizontalHoverLuminosity = 70;

protected:
    CLayerScroll(CLayerHost* host, int x, int y, int width, int height, bool vertical);
    bool OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnPointerMove(int x, int y);
    void CheckLeave();
    bool Dragging() const;
    void ShowActive(bool active);
    int Length() const;

    bool vertical_;
    ScrollModel model_;
    PointerStay stay_;
    bool hovered_ = false;
    bool repaintPending_ = false;
    LayerColour inactive_, active_;
    int startMargin_ = 0, endMargin_ = 0;
    int hoverLuminosity_ = kHorizontalHoverLuminosity;
};

class CLayerScrollV : public CLayerScroll {
public:
    CLayerScrollV(CLayerHost* host, int x, int y, int width, int height);
};

class CLayerScrollH : public CLayerScroll {
public:
    CLayerScrollH(CLayerHost* host, int x, int y, int width, int height);
};

} // namespace vimo
