// The window view part of a layer element: a kept picture of another top-level window, scaled
// into the element, and the window bar's minimize / restore / maximize commands on that window.
#include "layer/layer_element_win.h"

#include "layer/gdi_raii_win.h"

#include <cstdint>
#include <vector>

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// True when a captured picture holds no colour at all: what printing another program's window gives
// under some window systems.
bool AllBlack(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (!GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS)) return false;
    for (std::uint32_t p : pixels)
        if (p & 0x00FFFFFFu) return false;
    return true;
}

// The target's state as its placement tells it.
void ReadState(HWND target, WINDOWPLACEMENT& placement, bool& minimized, bool& maximized) {
    placement = WINDOWPLACEMENT{};
    placement.length = sizeof(placement);
    GetWindowPlacement(target, &placement);
    minimized = IsIconic(target) != FALSE;
    maximized = IsZoomed(target) != FALSE;
}

} // namespace

int CLayerElement::SetWindow(HWND target, const std::string& title, const std::string& program) {
    if (target != target_) windowCache_.reset();
    target_ = target;
    window_.title = title;
    window_.program = program;
    window_.minimized = target && IsIconic(target);
    window_.maximized = target && IsZoomed(target);
    return Changed();
}

void CLayerElement::DropWindowCapture() {
    windowCache_.reset();
    Invalidate();
}

namespace {

// How long another program's window may take to answer before it counts as hung.
constexpr UINT kAnswerMs = 250;

// Whether the window's thread answers: a hung program is neither asked to print itself nor moved
// for a capture, since each of those waits for it and would freeze this program with it.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &result) != 0;
}

// Shows another program's window: the ordinary way while its program answers (the window's state is
// then known when this returns), and without waiting for a program that does not answer.
void ShowOtherWindow(HWND window, int command) {
    if (Answers(window))
        ShowWindow(window, command);
    else
        ShowWindowAsync(window, command);
}

} // namespace

void CLayerElement::MinimizeWindow() {
    if (!target_ || !IsWindow(target_)) return;
    ShowOtherWindow(target_, SW_MINIMIZE);
    window_.minimized = true;
}

void CLayerElement::RestoreWindow() {
    if (!target_ || !IsWindow(target_)) return;
    if (IsIconic(target_)) {
        ShowOtherWindow(target_, window_.maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        SetForegroundWindow(target_);
    }
    window_.minimized = false;
}

void CLayerElement::ToggleMaximizeWindow() {
    if (!target_ || !IsWindow(target_)) return;
    const bool maximized = IsZoomed(target_) != FALSE;
    ShowOtherWindow(target_, maximized ? SW_SHOWNORMAL : SW_SHOWMAXIMIZED);
    window_.maximized = !maximized;
    window_.minimized = false;
}

void CLayerElement::DrawWindowView(GdipGraphics& g) {
    if (!target_ || !IsWindow(target_) || !window_.marginsValid) return;
    WINDOWPLACEMENT placement;
    bool minimized = false, maximized = false;
    ReadState(target_, placement, minimized, maximized);
    if (minimized != window_.minimized || maximized != window_.maximized) {
        window_.minimized = minimized;
        window_.maximized = maximized;
        windowCache_.reset();
    }
    if (!windowCache_ && Answers(target_)) CaptureWindow(placement, minimized, maximized);
    if (!windowCache_) {
        g.Check(GenericError);
        return;
    }
    GdipImageAttributes attributes = NewColourAttributes(window_.alphaPercent, window_.luminosityPercent);
    g.DrawImage(windowCache_.get(), LayerRectF{0.0f, 0.0f, static_cast<float>(Width()), static_cast<float>(Height())},
                LayerRect{0, 0, Width(), Height()}, attributes.get());
}

void CLayerElement::CaptureWindow(const WINDOWPLACEMENT& placement, bool minimized, bool maximized) {
    // A minimized window is shown in its restored place for the time of the capture, without
    // activating it, and put back afterwards.
    if (minimized) {
        WINDOWPLACEMENT restored = placement;
        restored.showCmd = SW_SHOWNOACTIVATE;
        SetWindowPlacement(target_, &restored);
        Sleep(5);
        ShowWindow(target_, SW_SHOWNOACTIVATE);
        Sleep(5);
    }
    RECT r{};
    GetWindowRect(target_, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (maximized) {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    GdipBitmap capture;
    if (width > 0 && height > 0) {
        ScreenDc screen;
        MemoryDc dc(screen.Get());
        GdiBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        if (dc.Get() && bitmap.Get()) {
            SelectScope select(dc.Get(), bitmap.Get());
            PrintWindow(target_, nullptr, 0);
            PrintWindow(target_, dc.Get(), 0);
            PrintWindow(target_, dc.Get(), 0);
            select.Reset();
            if (AllBlack(dc.Get(), bitmap.Get(), width, height)) {
                // Printing gave nothing: copy what the window shows on the screen instead.
                SelectScope copy(dc.Get(), bitmap.Get());
                if (HDC windowDc = GetWindowDC(target_)) {
                    BitBlt(dc.Get(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
                    ReleaseDC(target_, windowDc);
                }
            }
            GpBitmap* raw = nullptr;
            if (GdipCreateBitmapFromHBITMAP(bitmap.Get(), nullptr, &raw) == Ok) capture.reset(raw);
        }
    }
    if (minimized) {
        Sleep(5);
        SetWindowPlacement(target_, &placement);
        Sleep(5);
        SetWindowPlacement(target_, &placement);
    }
    if (!capture) return;

    GdipBitmap cache = NewArgbBitmap(Width(), Height());
    if (!cache) return;
    GdipGraphics g = GdipGraphics::OnImage(cache.get());
    if (!g) return;
    g.Clear(0);
    g.SetElementQuality();
    const FittedImage fit =
        FitImage(Width(), Height(), window_.margins, width, height, window_.hPos, window_.vPos, window_.zoomPercent);
    g.DrawImage(capture.get(), LayerRectF{static_cast<float>(fit.x), static_cast<float>(fit.y), fit.width, fit.height},
                LayerRect{0, 0, width, height});
    if (g.LastStatus() == Ok) windowCache_ = std::move(cache);
    RedrawWindow(target_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

} // namespace vimo
