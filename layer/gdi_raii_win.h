#pragma once
// Owners of GDI handles: the screen device context, memory device contexts, GDI objects and the
// selection of an object into a device context.
#include <windows.h>

#include <utility>

#include "layer/live_objects.h"

namespace vimo {

// The screen's device context (GetDC of no window), released on destruction.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {
        if (dc_) CountLive(LiveKind::Gdi, 1);
    }
    ~ScreenDc() {
        if (!dc_) return;
        ReleaseDC(nullptr, dc_);
        CountLive(LiveKind::Gdi, -1);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A memory device context compatible with another one, deleted on destruction.
class MemoryDc {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
        if (dc_) CountLive(LiveKind::Gdi, 1);
    }
    ~MemoryDc() { Reset(); }
    MemoryDc(MemoryDc&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& o) noexcept {
        if (this != &o) {
            Reset();
            dc_ = std::exchange(o.dc_, nullptr);
        }
        return *this;
    }
    HDC Get() const { return dc_; }
    void Reset() {
        if (!dc_) return;
        DeleteDC(dc_);
        CountLive(LiveKind::Gdi, -1);
        dc_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
};

// A GDI object (bitmap, brush, pen, font) deleted on destruction.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {
        if (h_) CountLive(LiveKind::Gdi, 1);
    }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    Handle Get() const { return h_; }
    void Reset() {
        if (!h_) return;
        DeleteObject(h_);
        CountLive(LiveKind::Gdi, -1);
        h_ = nullptr;
    }

private:
    Handle h_ = nullptr;
};

using GdiBitmap = GdiObject<HBITMAP>;

// Selects an object into a device context and puts the previous one back on destruction, so the
// object can be deleted afterwards.
class SelectScope {
public:
    SelectScope() = default;
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectScope() { Reset(); }
    SelectScope(SelectScope&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)), old_(std::exchange(o.old_, nullptr)) {}
    SelectScope& operator=(SelectScope&& o) noexcept {
        if (this != &o) {
            Reset();
            dc_ = std::exchange(o.dc_, nullptr);
            old_ = std::exchange(o.old_, nullptr);
        }
        return *this;
    }
    void Reset() {
        if (dc_ && old_) SelectObject(dc_, old_);
        dc_ = nullptr;
        old_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

} // namespace vimo
