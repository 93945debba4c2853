#include "layer/layer_item_win.h"

#include "layer/layer_element_win.h"
#include "layer/layer_host_win.h"

namespace vimo {

CLayerItem::CLayerItem(CLayerHost* host, int x, int y, int width, int height)
    : host_(host), x_(x), y_(y), width_(width), height_(height) {
    if (host_) host_->AddItem(this);
}

CLayerItem::~CLayerItem() {
    if (host_) host_->RemoveItem(this);
}

LayerRect CLayerItem::EffectiveRect() const {
    if (inViewport_ && host_) return Rect().Moved(host_->OriginX(), host_->OriginY());
    return Rect();
}

void CLayerItem::Draw(GdipGraphics& g) { DrawControl(g); }

void CLayerItem::MoveTo(int x, int y, bool repaint) {
    const LayerRect before = EffectiveRect();
    x_ = x;
    y_ = y;
    if (repaint && host_) host_->RefreshRect(UnionOf(before, EffectiveRect()));
}

void CLayerItem::SetBounds(const LayerRect& bounds) {
    x_ = bounds.x;
    y_ = bounds.y;
    width_ = bounds.width;
    height_ = bounds.height;
    if (element_) element_->Resize(width_, height_);
    if (input_) {
        const LayerRect r = EffectiveRect();
        SetWindowPos(input_, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
}

namespace {
// The input window's own visibility. IsWindowVisible also asks about its parent, so before the kap is
// first shown every input window would look hidden and a skipped one would never be hidden.
bool ShownItself(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }
} // namespace

void CLayerItem::Prepare() {
    if (input_ && !ShownItself(input_)) ShowWindow(input_, SW_SHOWNA);
}

void CLayerItem::Skip() {
    if (input_ && ShownItself(input_)) ShowWindow(input_, SW_HIDE);
}

void CLayerItem::TabStopOn() {
    if (!input_) return;
    const LONG_PTR style = GetWindowLongPtrW(input_, GWL_STYLE);
    if (!(style & WS_TABSTOP)) SetWindowLongPtrW(input_, GWL_STYLE, style | WS_TABSTOP);
}

void CLayerItem::TabStopOff() {
    if (!input_) return;
    const LONG_PTR style = GetWindowLongPtrW(input_, GWL_STYLE);
    if (style & WS_TABSTOP) SetWindowLongPtrW(input_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

void CLayerItem::FillOn() {
    if (element_) element_->SetFillOn(true);
}

void CLayerItem::FillOff() {
    if (element_) element_->SetFillOn(false);
}

void CLayerItem::Show() {
    visible_ = true;
    Repaint();
}

void CLayerItem::Hide() {
    visible_ = false;
    Skip();
    Repaint();
}

void CLayerItem::SetFocusable(bool focusable) {
    focusable_ = focusable;
    if (focusable)
        TabStopOn();
    else
        TabStopOff();
}

void CLayerItem::BringToFront() {
    if (host_) host_->BringToFront(this);
}

bool CLayerItem::IsTopmost() const { return host_ && host_->IsTopmost(this); }

void CLayerItem::Repaint() {
    if (host_) host_->RefreshRect(EffectiveRect());
}

void CLayerItem::RepaintPart(const LayerRect& part) {
    const LayerRect r = EffectiveRect();
    if (host_) host_->RefreshRect(Intersection(part.Moved(r.x, r.y), r));
}

void CLayerItem::AttachControl(HWND input, CLayerElement* element) {
    input_ = input;
    element_ = element;
}

void CLayerItem::DrawControl(GdipGraphics& g) {
    const LayerRect r = EffectiveRect();
    if (input_) {
        if (inViewport_ && !ShownItself(input_)) return;
        // A focusable control keeps its place among its siblings (tab order); the others follow
        // the painting order, so the input window of the item painted last lies on top.
        const UINT flags = SWP_NOREDRAW | SWP_NOACTIVATE | (focusable_ ? SWP_NOZORDER : 0);
        SetWindowPos(input_, focusable_ ? nullptr : HWND_TOP, r.x, r.y, r.width, r.height, flags);
    }
    if (!element_) return;
    element_->Render(host_ ? host_->Pictures() : nullptr);
    if (Gdiplus::GpBitmap* bitmap = element_->Bitmap()) {
        // Only the part inside the host's clip is copied: a partial redraw does not pay for the
        // whole element.
        LayerRect part = Intersection(LayerRect{r.x, r.y, element_->Width(), element_->Height()}, g.ClipBounds());
        // Onto the host's own surface the layer lays the pixels itself: the library would convert
        // and blend each of them through its general path.
        const bool laid =
            host_ && host_->Graphics() == &g && host_->BlendOnto(bitmap, part.x - r.x, part.y - r.y, part);
        if (!part.Empty() && !laid) {
            g.DrawImage(bitmap,
                        LayerRectF{static_cast<float>(part.x), static_cast<float>(part.y),
                                   static_cast<float>(part.width), static_cast<float>(part.height)},
                        part.Moved(-r.x, -r.y));
        }
    }
    if (!element_->KeepsBitmap()) element_->ReleaseBitmap();
}

} // namespace vimo
