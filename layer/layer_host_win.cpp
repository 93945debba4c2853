#include "layer/layer_host_win.h"

#include <algorithm>
#include <cstring>

#include "layer/layer_alpha.h"
#include "layer/layer_item_win.h"
#include "layer/pixel_blend.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Marks an update in progress for its lifetime; nested Refresh / RefreshRect calls return at once.
class CLayerHost::UpdateScope {
public:
    explicit UpdateScope(CLayerHost& host) : host_(host) { host_.updating_ = true; }
    ~UpdateScope() {
        host_.updating_ = false;
        host_.removedDuringUpdate_.clear();
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    CLayerHost& host_;
};

CLayerHost::CLayerHost(HWND owner) : owner_(owner) {}

CLayerHost::~CLayerHost() {
    while (!items_.empty()) {
        CLayerItem* item = items_.front();
        items_.pop_front();
        item->DetachFromHost(ownerGoing_);
        delete item;
    }
    DestroySurface();
}

void CLayerHost::SetSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

void CLayerHost::SetConstantAlpha(int alpha) { alpha_ = ClampConstantAlpha(alpha); }

void CLayerHost::SetOrigin(int x, int y) {
    originX_ = x;
    originY_ = y;
}

void CLayerHost::SetViewport(int x, int y, int width, int height) { viewport_ = LayerRect{x, y, width, height}; }

void CLayerHost::AddItem(CLayerItem* item) {
    if (!item) return;
    items_.remove(item);
    items_.push_front(item);
}

void CLayerHost::RemoveItem(CLayerItem* item) {
    if (!item) return;
    items_.remove(item);
    if (updating_) removedDuringUpdate_.push_back(item);
    item->DetachFromHost();
}

void CLayerHost::BringToFront(CLayerItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.splice(items_.begin(), items_, it);
}

bool CLayerHost::IsTopmost(const CLayerItem* item) const { return !items_.empty() && items_.front() == item; }

CLayerItem* CLayerHost::ItemAt(int x, int y) const {
    for (CLayerItem* item : items_) {
        if (!item->IsVisible()) continue;
        LayerRect r = item->EffectiveRect();
        if (item->InViewport()) r = Intersection(r, viewport_);
        if (r.Contains(x, y)) return item;
    }
    return nullptr;
}

std::vector<CLayerItem*> CLayerHost::SnapshotTailToHead() const {
    return std::vector<CLayerItem*>(items_.rbegin(), items_.rend());
}

bool CLayerHost::RemovedDuringUpdate(const CLayerItem* item) const {
    return std::find(removedDuringUpdate_.begin(), removedDuringUpdate_.end(), item) != removedDuringUpdate_.end();
}

bool CLayerHost::CreateSurface() {
    if (HasSurface()) return true;
    if (width_ <= 0 || height_ <= 0 || !screenDc_.Get()) return false;
    GdiFlush();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiBitmap dib(CreateDIBSection(screenDc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    GdiFlush();
    if (!dib.Get() || !bits) return false;

    MemoryDc memory(screenDc_.Get());
    if (!memory.Get()) return false;
    // The pixels are drawn through a premultiplied ARGB bitmap over the DIB's own memory: that is
    // the format UpdateLayeredWindow expects for per-pixel alpha.
    GpBitmap* raw = nullptr;
    if (GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits), &raw) !=
        Ok)
        return false;
    GdipBitmap surface(raw);
    GdipGraphics graphics = GdipGraphics::OnImage(surface.get());
    if (!graphics) return false;

    memoryDc_ = std::move(memory);
    dib_ = std::move(dib);
    dibSelection_ = SelectScope(memoryDc_.Get(), dib_.Get());
    bits_ = static_cast<std::uint32_t*>(bits);
    surfaceBitmap_ = std::move(surface);
    graphics_ = std::move(graphics);
    return true;
}

void CLayerHost::DestroySurface() {
    graphics_ = GdipGraphics();
    surfaceBitmap_.reset();
    dibSelection_.Reset();
    dib_.Reset();
    memoryDc_.Reset();
    bits_ = nullptr;
}

std::uint32_t CLayerHost::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

bool CLayerHost::BlendOnto(GpBitmap* bitmap, int fromX, int fromY, const LayerRect& part) {
    if (!bits_ || !bitmap || part.Empty() || part.x < 0 || part.y < 0 || part.Right() > width_ ||
        part.Bottom() > height_)
        return false;
    const LockedPixels from(bitmap, fromX, fromY, part.width, part.height, false);
    if (!from) return false;
    // Whatever the drawing library still holds for the surface is written before the pixels are.
    GdipFlush(graphics_.Get(), FlushIntentionSync);
    BlendOverPremultiplied(from.Row(0), from.Stride(), bits_ + static_cast<std::ptrdiff_t>(part.y) * width_ + part.x,
                           width_, part.width, part.height);
    return true;
}

void CLayerHost::ReadWindowRect() {
    RECT r{};
    if (!owner_ || !GetWindowRect(owner_, &r)) return;
    windowX_ = r.left;
    windowY_ = r.top;
    windowWidth_ = r.right - r.left;
    windowHeight_ = r.bottom - r.top;
}

void CLayerHost::SyncWindowRect() { ReadWindowRect(); }

bool CLayerHost::CursorInside() const {
    if (!owner_) return false;
    POINT p{};
    if (!GetCursorPos(&p) || !ScreenToClient(owner_, &p)) return false;
    return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
}

void CLayerHost::EnsureLayeredAndVisible() {
    if (!owner_) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(owner_, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(owner_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (!IsWindowVisible(owner_)) ShowWindow(owner_, SW_SHOWNA);
}

void CLayerHost::Push(const LayerRect* dirty) {
    if (!owner_ || !HasSurface()) return;
    GdiFlush();
    POINT position{windowX_, windowY_};
    SIZE size{width_, height_};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha_), AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof(info);
    info.hdcDst = screenDc_.Get();
    info.pptDst = &position;
    info.psize = &size;
    info.hdcSrc = memoryDc_.Get();
    info.pptSrc = &source;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    // The system copies only the changed part of the surface into the window's own.
    RECT changed{};
    if (dirty) {
        changed = RECT{dirty->x, dirty->y, dirty->Right(), dirty->Bottom()};
        info.prcDirty = &changed;
    }
    // A part is refused where the window's size is not the surface's: then the whole of it goes.
    if (!UpdateLayeredWindowIndirect(owner_, &info) && info.prcDirty) {
        info.prcDirty = nullptr;
        UpdateLayeredWindowIndirect(owner_, &info);
    }
    // The process gives back the memory the drawing touched.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void CLayerHost::Refresh() {
    if (!CreateSurface()) return;
    if (updating_) return;
    UpdateScope scope(*this);
    ReadWindowRect();
    std::memset(bits_, 0, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    for (CLayerItem* item : SnapshotTailToHead()) {
        if (RemovedDuringUpdate(item)) continue;
        if (!item->IsVisible()) {
            item->Skip();
            continue;
        }
        if (!item->InViewport()) {
            const LayerRect r = item->Rect();
            if (!OverlapsSurface(r, width_, height_)) {
                item->Skip();
                continue;
            }
            item->Prepare();
            graphics_.SetClip(r);
        } else {
            if (!Intersects(item->EffectiveRect(), viewport_)) {
                item->Skip();
                continue;
            }
            item->Prepare();
            graphics_.SetClip(viewport_);
        }
        if (!RemovedDuringUpdate(item)) item->Draw(graphics_);
    }
    graphics_.ResetClip();
    EnsureLayeredAndVisible();
    Push();
    shownOnce_ = true;
}

void CLayerHost::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    if (updating_) return;
    DestroySurface();
    SetSize(width, height);
    CreateSurface();
    Refresh();
}

void CLayerHost::RefreshRect(int x, int y, int width, int height) {
    if (!HasSurface() || !shownOnce_ || updating_) return;
    const LayerRect area = Intersection(LayerRect{x, y, width, height}, LayerRect{0, 0, width_, height_});
    UpdateScope scope(*this);
    ReadWindowRect();
    if (!area.Empty()) {
        graphics_.SetClip(area);
        graphics_.Clear(0);
        for (CLayerItem* item : SnapshotTailToHead()) {
            if (RemovedDuringUpdate(item) || !item->IsVisible()) continue;
            LayerRect r = item->EffectiveRect();
            if (item->InViewport()) r = Intersection(r, viewport_);
            const LayerRect common = Intersection(r, area);
            if (common.Empty()) continue;
            graphics_.SetClip(common);
            item->Prepare();
            if (!RemovedDuringUpdate(item)) item->Draw(graphics_);
        }
        graphics_.ResetClip();
    }
    EnsureLayeredAndVisible();
    Push(area.Empty() ? nullptr : &area);
}

void CLayerHost::SetAlpha(int alpha) {
    alpha_ = AlphaAfterSetAlpha(alpha_, alpha);
    if (updating_ || !shownOnce_) return;
    Push();
}

} // namespace vimo
