// The window view part: a kept picture of another top-level window, also of a minimized one.
#include <gtest/gtest.h>

#include "layer_test_support_win.h"

namespace vimo::layertest {
namespace {

// A top-level window that paints itself in one colour (also when asked to print itself).
class PaintedWindow {
public:
    explicit PaintedWindow(COLORREF colour) {
        static const wchar_t* const cls = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"VimoLayerPaintedWindow";
            RegisterClassW(&wc);
            return L"VimoLayerPaintedWindow";
        }();
        hwnd_ = CreateWindowExW(0, cls, L"Painted", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 240, 160, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
        InvalidateRect(hwnd_, nullptr, TRUE);
        PumpMessages();
    }
    ~PaintedWindow() {
        DestroyWindow(hwnd_);
        PumpMessages();
    }
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    static void Fill(HWND hwnd, HDC dc) {
        RECT r{};
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            Fill(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            Fill(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        if (message == WM_ERASEBKGND) return 1;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

int CountNear(CLayerElement& e, std::uint32_t argb) {
    int n = 0;
    for (int y = 0; y < e.Height(); ++y)
        for (int x = 0; x < e.Width(); ++x) n += Near(BitmapPixel(e.Bitmap(), x, y), argb, 12) ? 1 : 0;
    return n;
}

TEST(LayerWindowView, ShowsTheTargetScaledIntoTheElement) {
    PaintedWindow target(RGB(0, 160, 0));
    CLayerElement e(120, 80, true);
    e.SetWindow(target.Get(), "Painted", "test.exe");
    e.Render();
    ASSERT_NE(e.Bitmap(), nullptr);
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 60, 45), 0xFF00A000, 12)) << std::hex << BitmapPixel(e.Bitmap(), 60, 45);
    // 240 x 160 fitted into 120 x 80: the picture fills most of the element.
    EXPECT_GT(CountNear(e, 0xFF00A000), 120 * 80 / 2);

    e.SetWindowLuminosityPercent(0);
    e.Render();
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 60, 45), 0xFF000000, 2));

    e.SetWindowMargins(60, 0, 60, 0);
    EXPECT_EQ(e.LastError(), "WindowMargin : Bad parameter");
    e.Render();
    EXPECT_EQ(BitmapPixel(e.Bitmap(), 60, 45), 0u);
}

TEST(LayerWindowView, KeepsItsCaptureUntilDropped) {
    PaintedWindow target(RGB(0, 0, 200));
    CLayerElement e(60, 40, true);
    e.SetWindow(target.Get(), "", "");
    e.Render();
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 30, 22), 0xFF0000C8, 12));
    SetWindowLongPtrW(target.Get(), GWLP_USERDATA, RGB(200, 0, 0));
    e.SetWindowAlphaPercent(100); // any setter renders again, from the kept capture
    e.Render();
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 30, 22), 0xFF0000C8, 12));
    e.DropWindowCapture();
    e.Render();
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 30, 22), 0xFFC80000, 12)) << std::hex << BitmapPixel(e.Bitmap(), 30, 22);
}

TEST(LayerWindowView, MinimizedTargetIsCapturedInItsRestoredLook) {
    PaintedWindow target(RGB(200, 0, 200));
    CLayerElement e(120, 80, true);
    e.SetWindow(target.Get(), "Painted", "test.exe");
    e.MinimizeWindow();
    PumpMessages();
    ASSERT_TRUE(IsIconic(target.Get()));
    e.Render();
    EXPECT_GT(CountNear(e, 0xFFC800C8), 120 * 80 / 2);
    EXPECT_TRUE(IsIconic(target.Get())); // put back as it was
    EXPECT_TRUE(e.WindowView().minimized);

    e.RestoreWindow();
    PumpMessages();
    EXPECT_FALSE(IsIconic(target.Get()));
    EXPECT_FALSE(e.WindowView().minimized);
    e.ToggleMaximizeWindow();
    PumpMessages();
    EXPECT_TRUE(IsZoomed(target.Get()));
    EXPECT_TRUE(e.WindowView().maximized);
    e.ToggleMaximizeWindow();
    PumpMessages();
    EXPECT_FALSE(IsZoomed(target.Get()));
}

TEST(LayerWindowView, NothingIsDrawnForAGoneWindow) {
    CLayerElement e(40, 40, true);
    {
        PaintedWindow target(RGB(0, 160, 0));
        e.SetWindow(target.Get(), "", "");
    }
    e.SetBackgroundColour(255, 0, 0, 255);
    e.Render();
    EXPECT_TRUE(Near(BitmapPixel(e.Bitmap(), 20, 20), 0xFF0000FF));
}

} // namespace
} // namespace vimo::layertest
