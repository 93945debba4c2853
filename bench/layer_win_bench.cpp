// Cost of composing and showing a layered window, against the floor of showing it at all.
//
// A note-like host of 200 x 300 (nine-slice background, an icon image, two text blocks) is shown
// in a real layered window. Printed figures (microseconds per call, median of batches):
//   floor         one copy of the surface plus one UpdateLayeredWindow of the same size;
//   refresh       full Refresh with every element already rendered;
//   refresh+render full Refresh after every element has changed (all parts drawn again);
//   rect          RefreshRect of one 180 x 20 text item;
//   rect+render   RefreshRect of that item after its text changed;
// each also composed by a host without a window (the engine's own share),
// each also as a ratio to the floor. Run under Wine: layer_win_bench.exe [calls per batch].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "layer/gdi_raii_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_element_win.h"
#include "layer/layer_host_win.h"
#include "layer/layer_item_win.h"
#include "layer/layer_png_win.h"

namespace vimo {
namespace {

// A note control: an item that shows its own element.
class BenchItem : public CLayerItem {
public:
    BenchItem(CLayerHost* host, int x, int y, int width, int height)
        : CLayerItem(host, x, y, width, height), element(width, height, true) {
        AttachControl(nullptr, &element);
    }
    CLayerElement element;
};

LRESULT CALLBACK BenchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class LayeredWindow {
public:
    LayeredWindow(int width, int height) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = BenchProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VimoLayerBench";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"VimoLayerBench", L"bench", WS_POPUP, 100, 100,
                                width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~LayeredWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    LayeredWindow(const LayeredWindow&) = delete;
    LayeredWindow& operator=(const LayeredWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

double NowMicroseconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Median over batches of the mean time of one call.
double Measure(int iterations, const std::function<void()>& call) {
    constexpr int kBatches = 7;
    call(); // warm up
    std::vector<double> means;
    for (int b = 0; b < kBatches; ++b) {
        const double start = NowMicroseconds();
        for (int i = 0; i < iterations; ++i) call();
        means.push_back((NowMicroseconds() - start) / iterations);
    }
    std::sort(means.begin(), means.end());
    return means[kBatches / 2];
}

// The floor: what any layered window pays to show a 200 x 300 picture once.
class Floor {
public:
    Floor(HWND window, int width, int height) : window_(window), width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dib_ = GdiBitmap(CreateDIBSection(screen_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        source_.assign(static_cast<std::size_t>(width) * height, 0xFF336699u);
        select_ = SelectScope(memory_.Get(), dib_.Get());
    }
    void Show() {
        std::copy(source_.begin(), source_.end(), bits_);
        POINT position{100, 100}, origin{0, 0};
        SIZE size{width_, height_};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(window_, screen_.Get(), &position, &size, memory_.Get(), &origin, 0, &blend, ULW_ALPHA);
    }

private:
    HWND window_;
    int width_, height_;
    ScreenDc screen_;
    MemoryDc memory_{screen_.Get()};
    GdiBitmap dib_;
    SelectScope select_;
    std::uint32_t* bits_ = nullptr;
    std::vector<std::uint32_t> source_;
};

std::string TempFile(const char* name) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return std::string(base) + "vimo-layer-bench-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

constexpr int kWidth = 200, kHeight = 300;

struct Note {
    BenchItem* back;
    BenchItem* lock;
    BenchItem* date;
    BenchItem* text;
};

// The note's controls: nine-slice background, lock icon, date line and one text line.
Note BuildNote(CLayerHost& host, const std::string& background, const std::string& icon) {
    host.SetSize(kWidth, kHeight);
    Note note{new BenchItem(&host, 0, 0, kWidth, kHeight), new BenchItem(&host, 10, 10, 20, 20),
              new BenchItem(&host, 10, 270, 180, 20), new BenchItem(&host, 10, 40, 180, 20)};
    note.back->element.SetBackgroundImage(background, 12, 12, 12, 12);
    note.lock->element.SetImage(icon);
    for (BenchItem* item : {note.date, note.text}) {
        item->element.SetBlockFont(TextBlockId::Text, "Arial", 13, 2);
        item->element.SetBlockColour(TextBlockId::Text, 255, 40, 40, 40);
        item->element.SetBlockShadowed(TextBlockId::Text, true);
        item->element.SetBlockPosition(TextBlockId::Text, 1, 0);
    }
    note.date->element.SetBlockText(TextBlockId::Text, "Monday 7 December 2026");
    note.text->element.SetBlockText(TextBlockId::Text, "Buy milk, call the garage");
    host.Refresh();
    return note;
}

struct Figures {
    double refresh, refreshRender, rect, rectRender;
};

Figures MeasureNote(CLayerHost& host, Note& note, int iterations) {
    Figures f{};
    f.refresh = Measure(iterations, [&] { host.Refresh(); });
    int serial = 0;
    f.refreshRender = Measure(iterations, [&] {
        const int alpha = 100 - (++serial % 2);
        note.back->element.SetBackgroundAlphaPercent(alpha);
        note.lock->element.SetImageAlphaPercent(alpha);
        note.date->element.SetBlockShadowed(TextBlockId::Text, serial % 2 == 0);
        note.text->element.SetBlockShadowed(TextBlockId::Text, serial % 2 == 0);
        host.Refresh();
    });
    f.rect = Measure(iterations, [&] { note.text->Repaint(); });
    f.rectRender = Measure(iterations, [&] {
        note.text->element.SetBlockText(TextBlockId::Text, (++serial % 2) ? "Buy milk, call the garage" : "Buy bread");
        note.text->Repaint();
    });
    return f;
}

} // namespace

int RunLayerBench(int iterations) {
    GdiplusSession gdiplus;
    const std::string background = TempFile("background.png"), icon = TempFile("icon.png");
    layertest::WritePng(background, 64, 64, [](int x, int y) {
        const bool border = x < 12 || y < 12 || x >= 52 || y >= 52;
        return border ? 0xE0806040u : static_cast<std::uint32_t>(0xF0FFF0A0u - static_cast<unsigned>((x + y) % 16));
    });
    layertest::WritePng(icon, 32, 32, [](int x, int y) { return ((x / 4 + y / 4) % 2) ? 0xFF2040C0u : 0x80FFFFFFu; });

    LayeredWindow window(kWidth, kHeight);
    CLayerHost shown(window.Get()), offscreen(nullptr);
    Note note = BuildNote(shown, background, icon), offscreenNote = BuildNote(offscreen, background, icon);

    Floor floor(window.Get(), kWidth, kHeight);
    const double floorUs = Measure(iterations, [&] { floor.Show(); });
    const Figures withWindow = MeasureNote(shown, note, iterations);
    const Figures composeOnly = MeasureNote(offscreen, offscreenNote, iterations);

    DeleteFileA(background.c_str());
    DeleteFileA(icon.c_str());

    std::printf("layer bench: 200 x 300 note host, %d calls per batch, median of 7 batches\n", iterations);
    std::printf("  %-42s %9.1f us\n", "floor (surface copy + UpdateLayeredWindow)", floorUs);
    auto line = [&](const char* name, double us, double composeUs) {
        std::printf("  %-42s %9.1f us  %6.2f x floor   (composing alone %8.1f us)\n", name, us,
                    floorUs > 0 ? us / floorUs : 0.0, composeUs);
    };
    line("Refresh, elements valid", withWindow.refresh, composeOnly.refresh);
    line("Refresh, every element rendered again", withWindow.refreshRender, composeOnly.refreshRender);
    line("RefreshRect 180 x 20 text item", withWindow.rect, composeOnly.rect);
    line("RefreshRect after a text change", withWindow.rectRender, composeOnly.rectRender);
    return 0;
}

} // namespace vimo

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    return vimo::RunLayerBench(iterations);
}
