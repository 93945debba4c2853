#pragma once
// CLayerHost: one per layered window. It owns the layer surface (a 32 bpp top-down DIB section
// selected into a memory device context, drawn through a GDI+ context), the ordered list of
// layer items and the window's constant alpha; it composes the items into the surface and pushes
// the surface to the screen with UpdateLayeredWindow.
//
// Item order: adding puts an item at the head; composition walks from the tail to the head, so
// the item added (or brought to the front) last is painted last and lies on top.
#include <windows.h>

#include <cstdint>
#include <list>
#include <vector>

#include "layer/gdi_raii_win.h"
#include "layer/gdip_graphics_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_geometry.h"

namespace vimo {

class CLayerItem;
class SharedPictures;

class CLayerHost {
public:
    // owner is the layered top-level window; without one the host composes but shows nothing.
    explicit CLayerHost(HWND owner);
    // Deletes the items still in the list, then the surface and its device contexts.
    ~CLayerHost();
    CLayerHost(const CLayerHost&) = delete;
    CLayerHost& operator=(const CLayerHost&) = delete;

    HWND Owner() const { return owner_; }
    // The owner window is being destroyed (its WM_DESTROY): the input windows of the controls are
    // its children and go with it, so the controls leave them to it rather than destroy each one.
    void OwnerGoing() { ownerGoing_ = true; }
    bool IsOwnerGoing() const { return ownerGoing_; }
    // The pictures this host's elements may share with other windows' (not owned; may be null).
    void SetSharedPictures(SharedPictures* pictures) { pictures_ = pictures; }
    SharedPictures* Pictures() const { return pictures_; }

    // Size of the surface (and of the window once shown); set before the first show.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Constant alpha before the first show: clamped to 0..255.
    void SetConstantAlpha(int alpha);
    int Alpha() const { return alpha_; }
    // Scroll offset added to the position of every viewport item.
    void SetOrigin(int x, int y);
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    // The clip of the viewport items, in window coordinates.
    void SetViewport(int x, int y, int width, int height);
    LayerRect Viewport() const { return viewport_; }

    void AddItem(CLayerItem* item);
    // Takes an item out of the list without deleting it.
    void RemoveItem(CLayerItem* item);
    void BringToFront(CLayerItem* item);
    bool IsTopmost(const CLayerItem* item) const;
    // The topmost visible item whose painted rectangle holds the point (window coordinates).
    CLayerItem* ItemAt(int x, int y) const;
    std::size_t ItemCount() const { return items_.size(); }

    // Full redraw and show.
    void Refresh();
    // Makes the surface again at a new size, then as Refresh; the current size does nothing.
    void Resize(int width, int height);
    // Redraws one rectangle and shows the surface; nothing before the first Refresh.
    void RefreshRect(int x, int y, int width, int height);
    void RefreshRect(const LayerRect& r) { RefreshRect(r.x, r.y, r.width, r.height); }
    // Stores a new constant alpha (above 255 as 255, negative keeps the current one) and pushes
    // the unchanged surface again (fading).
    void SetAlpha(int alpha);

    // Reads the window rectangle into the window position and size.
    void SyncWindowRect();
    int WindowX() const { return windowX_; }
    int WindowY() const { return windowY_; }
    // True when the cursor lies on the window (client coordinates within the size).
    bool CursorInside() const;

    bool HasSurface() const { return bits_ != nullptr; }
    bool ShownOnce() const { return shownOnce_; }
    bool UpdateInProgress() const { return updating_; }
    // The surface: premultiplied 0xAARRGGBB pixels, top row first, Width() per row; null without
    // a surface.
    const std::uint32_t* Pixels() const { return bits_; }
    std::uint32_t PixelAt(int x, int y) const;
    // Lays the part of a straight-alpha bitmap that starts at (fromX, fromY) over the surface at
    // `part` (inside the surface), source-over; false when either cannot be reached, and nothing
    // is drawn then.
    bool BlendOnto(Gdiplus::GpBitmap* bitmap, int fromX, int fromY, const LayerRect& part);
    // The surface's graphics context (null before the surface exists).
    GdipGraphics* Graphics() { return HasSurface() ? &graphics_ : nullptr; }

private:
    class UpdateScope;

    bool CreateSurface();
    void DestroySurface();
    void ReadWindowRect();
    void EnsureLayeredAndVisible();
    // Hands the surface to the window; only `dirty` of it changed when one is given.
    void Push(const LayerRect* dirty = nullptr);
    std::vector<CLayerItem*> SnapshotTailToHead() const;
    bool RemovedDuringUpdate(const CLayerItem* item) const;

    HWND owner_;
    int width_ = 0, height_ = 0;
    int windowX_ = 0, windowY_ = 0, windowWidth_ = 0, windowHeight_ = 0;
    int originX_ = 0, originY_ = 0;
    LayerRect viewport_;
    int alpha_ = 255;

    ScreenDc screenDc_;
    MemoryDc memoryDc_;
    GdiBitmap dib_;
    SelectScope dibSelection_;
    std::uint32_t* bits_ = nullptr;
    GdipBitmap surfaceBitmap_; // the DIB's pixels seen as 32 bpp premultiplied ARGB
    GdipGraphics graphics_;

    bool updating_ = false;
    bool ownerGoing_ = false;
    SharedPictures* pictures_ = nullptr;
    bool shownOnce_ = false;
    std::list<CLayerItem*> items_; // front: head (topmost)
    std::vector<const CLayerItem*> removedDuringUpdate_;
};

// Moves the viewport's content to an origin. The input windows of the items in view follow it; the
// others stay where they are while out of view and are placed when they come back, so a long list
// scrolls as fast as a short one.
template <class Item> void ScrollViewport(CLayerHost& host, int x, int y, const std::vector<Item*>& items) {
    host.SetOrigin(x, y);
    const LayerRect view = host.Viewport();
    for (Item* item : items) {
        const LayerRect r = item->Rect().Moved(x, y);
        if (r.y < view.Bottom() && r.Bottom() > view.y && r.x < view.x + view.width && r.x + r.width > view.x)
            item->SetBounds(item->Rect());
    }
}

} // namespace vimo
