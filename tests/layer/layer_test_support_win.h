#pragma once
// Helpers of the layer engine's Wine tests: a scratch folder, PNG files made on the spot, pixel
// reading of GDI+ bitmaps, a popup window to own a host, and a layer item that draws one element
// and counts the operations the host calls.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "layer/gdiplus_raii_win.h"
#include "layer/layer_element_win.h"
#include "layer/layer_host_win.h"
#include "layer/layer_item_win.h"
#include "layer_png_win.h"

namespace vimo::layertest {

// A fresh folder under the temporary directory, removed with its files on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    // Full path of a file in the folder.
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Writes a text file (used as a file that is not an image).
bool WriteTextFile(const std::string& path, const std::string& text);

// Pixel of a GDI+ bitmap, 0xAARRGGBB (not premultiplied).
std::uint32_t BitmapPixel(Gdiplus::GpBitmap* bitmap, int x, int y);

inline int A(std::uint32_t p) { return static_cast<int>((p >> 24) & 0xFF); }
inline int R(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
inline int G(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
inline int B(std::uint32_t p) { return static_cast<int>(p & 0xFF); }
// True when every channel is within tolerance.
bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 2);

// Bounding box of the pixels whose alpha reaches the threshold; width 0 when there are none.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive
    bool Empty() const { return right < left; }
};
InkBox FindInk(int width, int height, const std::function<std::uint32_t(int, int)>& pixel, int alphaThreshold);

// A visible popup window for a host; layered when asked. Destroyed with the object.
class TestWindow {
public:
    TestWindow(int x, int y, int width, int height, bool layered);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// A child window standing for a control's input window.
HWND CreateInputWindow(HWND parent, int x, int y, int width, int height);
// Handles the messages waiting for this thread.
void PumpMessages();
// Handles this thread's messages until done() holds or the time is up; true when done() held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);
// Handles this thread's messages for a while (to see that something does NOT happen).
void PumpFor(DWORD ms);

// An item that shows one element (kept bitmap) and counts what the host asks of it.
class CountingItem : public CLayerItem {
public:
    CountingItem(CLayerHost* host, int x, int y, int width, int height, HWND input = nullptr);
    ~CountingItem() override;

    // Fills the whole element with one colour.
    void Paint(std::uint32_t argb);
    CLayerElement& Elem() { return element_; }

    void Draw(GdipGraphics& g) override;
    void Prepare() override;
    void Skip() override;

    int draws = 0, prepares = 0, skips = 0;
    std::function<void()> onDraw; // runs inside Draw (nested calls)
    int* destroyed = nullptr;     // incremented by the destructor

private:
    CLayerElement element_;
};

} // namespace vimo::layertest
