// The layer host: item order, viewport, partial redraws, re-entry, alpha, and the push to a real
// layered window read back from the screen.
#include <gtest/gtest.h>

#include <memory>

#include "layer/controls/layer_static_win.h"
#include "layer_test_support_win.h"

namespace vimo::layertest {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

// A host composed without a window: everything but the push.
class LayerHostTest : public ::testing::Test {
protected:
    LayerHostTest() : host(nullptr) { host.SetSize(100, 80); }
    CLayerHost host;
};

TEST(LayerHostOwner, ControlsDestroyTheirInputWindowsUnlessTheOwnerWindowTakesThemAlong) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    auto host = std::make_unique<CLayerHost>(owner);
    HWND alone = (new CLayerStatic(host.get(), 0, 0, 10, 10))->Input();
    host.reset();
    EXPECT_FALSE(IsWindow(alone)) << "a control that goes while its owner stays takes its input window";
    host = std::make_unique<CLayerHost>(owner);
    HWND child = (new CLayerStatic(host.get(), 0, 0, 10, 10))->Input();
    host->OwnerGoing();
    host.reset();
    EXPECT_TRUE(IsWindow(child)) << "left to the owner window that is going";
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(LayerHostTest, ItemAddedLastIsPaintedOnTopUntilAnotherIsBroughtToFront) {
    auto* a = new CountingItem(&host, 10, 10, 40, 40);
    auto* b = new CountingItem(&host, 30, 30, 40, 40);
    a->Paint(kRed);
    b->Paint(kBlue);
    host.Refresh();
    EXPECT_EQ(host.PixelAt(40, 40), kBlue);
    EXPECT_EQ(host.PixelAt(15, 15), kRed);
    EXPECT_EQ(host.PixelAt(65, 65), kBlue);
    EXPECT_EQ(host.PixelAt(5, 5), 0u);
    EXPECT_TRUE(host.IsTopmost(b));
    EXPECT_FALSE(a->IsTopmost());
    EXPECT_EQ(host.ItemAt(40, 40), b);

    a->BringToFront();
    EXPECT_TRUE(a->IsTopmost());
    EXPECT_EQ(host.ItemAt(40, 40), a);
    EXPECT_EQ(host.ItemAt(65, 65), b);
    EXPECT_EQ(host.ItemAt(95, 5), nullptr);
    host.Refresh();
    EXPECT_EQ(host.PixelAt(40, 40), kRed);
    EXPECT_EQ(host.PixelAt(65, 65), kBlue);
}

TEST_F(LayerHostTest, ItemsOutsideTheSurfaceAreSkipped) {
    CountingItem inside(&host, 99, 79, 10, 10), left(&host, -10, 0, 10, 10), below(&host, 0, 80, 10, 10);
    CountingItem corner(&host, -9, -9, 10, 10), hidden(&host, 0, 0, 10, 10);
    hidden.Hide();
    const int skipsBefore = hidden.skips; // Hide hides the input window at once
    host.Refresh();
    EXPECT_EQ(inside.draws, 1);
    EXPECT_EQ(inside.prepares, 1);
    EXPECT_EQ(corner.draws, 1); // reaches pixel (0, 0)
    for (CountingItem* item : {&left, &below, &hidden}) {
        EXPECT_EQ(item->draws, 0);
        EXPECT_EQ(item->prepares, 0);
        EXPECT_EQ(item->skips, item == &hidden ? skipsBefore + 1 : 1);
    }
}

TEST_F(LayerHostTest, ItemsAreClippedToTheirRectangle) {
    // An item whose element is larger than its rectangle paints only its rectangle.
    struct WideItem : CLayerItem {
        WideItem(CLayerHost* h) : CLayerItem(h, 10, 10, 20, 20), element(60, 60, true) {
            AttachControl(nullptr, &element);
            element.SetFillColour(255, 0, 255, 0);
            element.SetFillOn(true);
        }
        CLayerElement element;
    } item(&host);
    host.Refresh();
    EXPECT_EQ(host.PixelAt(29, 29), kGreen);
    EXPECT_EQ(host.PixelAt(30, 30), 0u);
    EXPECT_EQ(host.PixelAt(50, 15), 0u);
}

TEST_F(LayerHostTest, ElementThatDoesNotKeepItsBitmapRendersForEveryDraw) {
    struct LightItem : CLayerItem {
        LightItem(CLayerHost* h) : CLayerItem(h, 5, 5, 20, 20), element(20, 20, false) {
            AttachControl(nullptr, &element);
            element.SetBackgroundColour(255, 0, 0, 255);
        }
        CLayerElement element;
    } item(&host);
    EXPECT_EQ(item.element.Bitmap(), nullptr);
    host.Refresh();
    EXPECT_EQ(host.PixelAt(10, 10), kBlue);
    EXPECT_EQ(item.element.Bitmap(), nullptr); // released after the draw
    EXPECT_FALSE(item.element.IsValid());
    CountingItem kept(&host, 40, 40, 10, 10);
    host.Refresh();
    EXPECT_NE(kept.Elem().Bitmap(), nullptr);
    EXPECT_TRUE(kept.Elem().IsValid());
}

TEST_F(LayerHostTest, ViewportItemsMoveWithTheOriginAndAreClipped) {
    host.SetViewport(20, 20, 50, 40); // x 20..69, y 20..59
    CountingItem fixed(&host, 0, 0, 10, 10);
    CountingItem scrolled(&host, 20, 20, 30, 30);
    scrolled.SetInViewport(true);
    fixed.Paint(kRed);
    scrolled.Paint(kGreen);
    host.Refresh();
    EXPECT_EQ(host.PixelAt(25, 25), kGreen);

    host.SetOrigin(30, 25); // the item now lies at (50, 45) .. (79, 74)
    host.Refresh();
    EXPECT_EQ(host.PixelAt(25, 25), 0u);
    EXPECT_EQ(host.PixelAt(55, 50), kGreen);
    EXPECT_EQ(host.PixelAt(69, 59), kGreen);
    EXPECT_EQ(host.PixelAt(70, 50), 0u); // clipped at the viewport's right edge
    EXPECT_EQ(host.PixelAt(55, 60), 0u); // ... and bottom edge
    EXPECT_EQ(host.PixelAt(5, 5), kRed); // items outside the viewport ignore the origin
    EXPECT_EQ(scrolled.EffectiveRect(), (LayerRect{50, 45, 30, 30}));
    EXPECT_EQ(host.ItemAt(75, 70), nullptr); // the hidden part is not hit either
    EXPECT_EQ(host.ItemAt(60, 55), &scrolled);

    host.SetOrigin(60, 0); // at (80, 20): out of the viewport
    const int draws = scrolled.draws;
    host.Refresh();
    EXPECT_EQ(scrolled.draws, draws);
    EXPECT_EQ(scrolled.skips, 1);
}

TEST_F(LayerHostTest, ResizeToTheCurrentSizeDoesNothing) {
    CountingItem item(&host, 0, 0, 100, 80);
    item.Paint(kRed);
    host.Refresh();
    item.Paint(kBlue);
    host.Resize(100, 80);
    EXPECT_EQ(item.draws, 1);
    EXPECT_EQ(host.PixelAt(50, 40), kRed);

    host.Resize(120, 90);
    EXPECT_EQ(item.draws, 2);
    EXPECT_EQ(host.Width(), 120);
    EXPECT_EQ(host.Height(), 90);
    EXPECT_EQ(host.PixelAt(50, 40), kBlue);
    EXPECT_EQ(host.PixelAt(110, 85), 0u);
}

TEST_F(LayerHostTest, RefreshRectBeforeTheFirstRefreshDoesNothing) {
    CountingItem item(&host, 0, 0, 50, 50);
    item.Paint(kRed);
    host.RefreshRect(0, 0, 50, 50);
    EXPECT_FALSE(host.HasSurface());
    EXPECT_EQ(item.draws, 0);
    EXPECT_EQ(item.prepares, 0);
    EXPECT_FALSE(host.ShownOnce());
    host.Refresh();
    EXPECT_TRUE(host.ShownOnce());
    EXPECT_EQ(item.draws, 1);
}

TEST_F(LayerHostTest, RefreshRectRedrawsOnlyItsRectangle) {
    CountingItem back(&host, 0, 0, 100, 80), front(&host, 40, 30, 20, 20), away(&host, 80, 0, 20, 20);
    back.Paint(kRed);
    front.Paint(kGreen);
    away.Paint(kGreen);
    host.Refresh();
    back.Paint(kBlue);
    front.Paint(0x80000000); // half-transparent: the area is cleared before it is drawn again
    away.Paint(kBlue);
    host.RefreshRect(30, 20, 40, 40);
    EXPECT_EQ(back.draws, 2);
    EXPECT_EQ(front.draws, 2);
    EXPECT_EQ(away.draws, 1); // does not meet the rectangle
    EXPECT_EQ(host.PixelAt(35, 25), kBlue);
    EXPECT_TRUE(Near(host.PixelAt(50, 40), 0xFF00007Fu, 2)) << std::hex << host.PixelAt(50, 40);
    EXPECT_EQ(host.PixelAt(29, 25), kRed); // outside: untouched
    EXPECT_EQ(host.PixelAt(70, 25), kRed);
    EXPECT_EQ(host.PixelAt(90, 10), kGreen);
}

TEST_F(LayerHostTest, MovingAnItemRepaintsTheOldAndTheNewPlace) {
    CountingItem item(&host, 0, 0, 10, 10);
    item.Paint(kRed);
    host.Refresh();
    item.MoveTo(50, 50, true);
    EXPECT_EQ(host.PixelAt(5, 5), 0u);
    EXPECT_EQ(host.PixelAt(55, 55), kRed);
    item.MoveTo(70, 10, false);
    EXPECT_EQ(host.PixelAt(55, 55), kRed); // not repainted until asked
    EXPECT_EQ(item.Rect(), (LayerRect{70, 10, 10, 10}));
}

TEST_F(LayerHostTest, SetBoundsMovesAndSizesTheItemAndItsElement) {
    CountingItem item(&host, 0, 0, 10, 10);
    item.Paint(kRed);
    host.Refresh();
    item.SetBounds(LayerRect{20, 30, 40, 20});
    EXPECT_EQ(item.Rect(), (LayerRect{20, 30, 40, 20}));
    EXPECT_EQ(item.Elem().Width(), 40);
    EXPECT_EQ(host.PixelAt(5, 5), kRed); // no repaint until the kap refreshes
    host.Refresh();
    EXPECT_EQ(host.PixelAt(5, 5), 0u);
    EXPECT_EQ(host.PixelAt(59, 49), kRed);
    EXPECT_EQ(host.PixelAt(60, 40), 0u);
}

TEST_F(LayerHostTest, NestedRefreshDuringAnUpdateReturnsAtOnce) {
    CountingItem item(&host, 0, 0, 10, 10);
    int nestedDraws = -1;
    item.onDraw = [&] {
        EXPECT_TRUE(host.UpdateInProgress());
        host.Refresh();
        host.RefreshRect(0, 0, 10, 10);
        host.Resize(10, 10);
        nestedDraws = item.draws;
    };
    host.Refresh();
    EXPECT_EQ(item.draws, 1);
    EXPECT_EQ(nestedDraws, 1);
    EXPECT_EQ(host.Width(), 100);
    EXPECT_FALSE(host.UpdateInProgress());
    host.RefreshRect(0, 0, 10, 10);
    EXPECT_EQ(item.draws, 2);
}

TEST_F(LayerHostTest, ItemRemovedDuringAnUpdateIsNotDrawn) {
    auto* victim = new CountingItem(&host, 0, 0, 10, 10);
    CountingItem killer(&host, 20, 20, 10, 10); // on top: drawn last
    victim->BringToFront();                     // now the victim is drawn after the killer
    int destroyed = 0;
    victim->destroyed = &destroyed;
    killer.onDraw = [&] { delete victim; };
    host.Refresh();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(host.ItemCount(), 1u);
}

TEST_F(LayerHostTest, ConstantAlphaAndSetAlpha) {
    host.SetConstantAlpha(300);
    EXPECT_EQ(host.Alpha(), 255);
    host.SetConstantAlpha(-5);
    EXPECT_EQ(host.Alpha(), 0);
    host.SetConstantAlpha(200);
    host.SetAlpha(300);
    EXPECT_EQ(host.Alpha(), 255);
    host.SetAlpha(100);
    EXPECT_EQ(host.Alpha(), 100);
    host.SetAlpha(-5);
    EXPECT_EQ(host.Alpha(), 100);
}

TEST(LayerHostLifetime, HostDeletesTheItemsStillInItsList) {
    int destroyed = 0;
    {
        CLayerHost host(nullptr);
        host.SetSize(10, 10);
        auto* a = new CountingItem(&host, 0, 0, 5, 5);
        auto* b = new CountingItem(&host, 0, 0, 5, 5);
        auto* c = new CountingItem(&host, 0, 0, 5, 5);
        a->destroyed = b->destroyed = c->destroyed = &destroyed;
        delete b; // leaves the list
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(host.ItemCount(), 2u);
    }
    EXPECT_EQ(destroyed, 3);
}

TEST(LayerHostWindow, InputWindowsFollowTheirItems) {
    TestWindow window(200, 200, 100, 80, true);
    ASSERT_NE(window.Get(), nullptr);
    CLayerHost host(window.Get());
    host.SetSize(100, 80);
    HWND inputA = CreateInputWindow(window.Get(), 0, 0, 5, 5);
    HWND inputB = CreateInputWindow(window.Get(), 0, 0, 5, 5);
    CountingItem a(&host, 10, 10, 20, 20, inputA), b(&host, 50, 10, 20, 20, inputB);
    b.SetFocusable(true);
    EXPECT_TRUE(GetWindowLongPtrW(inputB, GWL_STYLE) & WS_TABSTOP);
    b.SetFocusable(false);
    EXPECT_FALSE(GetWindowLongPtrW(inputB, GWL_STYLE) & WS_TABSTOP);
    ShowWindow(inputA, SW_HIDE);
    host.Refresh();
    EXPECT_TRUE(IsWindowVisible(inputA)); // prepared: shown again
    RECT r{};
    GetWindowRect(inputA, &r);
    MapWindowPoints(nullptr, window.Get(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right - r.left, 20);

    a.MoveTo(200, 200, false); // outside the surface: skipped, input window hidden
    host.Refresh();
    EXPECT_FALSE(IsWindowVisible(inputA));
    EXPECT_TRUE(IsWindowVisible(inputB));
    b.Hide();
    EXPECT_FALSE(IsWindowVisible(inputB));
    // The host shows its window and makes it layered when it is not.
    EXPECT_TRUE(IsWindowVisible(window.Get()));
}

TEST(LayerHostWindow, RefreshMakesTheWindowLayeredAndVisible) {
    TestWindow window(300, 300, 40, 40, false);
    CLayerHost host(window.Get());
    host.SetSize(40, 40);
    EXPECT_FALSE(IsWindowVisible(window.Get()));
    host.Refresh();
    EXPECT_TRUE(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(window.Get()));
}

TEST(LayerHostWindow, CursorInsideAndWindowPosition) {
    TestWindow window(150, 120, 60, 50, true);
    CLayerHost host(window.Get());
    host.SetSize(60, 50);
    host.Refresh();
    EXPECT_EQ(host.WindowX(), 150);
    EXPECT_EQ(host.WindowY(), 120);
    SetWindowPos(window.Get(), nullptr, 170, 125, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    host.SyncWindowRect();
    EXPECT_EQ(host.WindowX(), 170);
    EXPECT_EQ(host.WindowY(), 125);
    ASSERT_TRUE(SetCursorPos(180, 130));
    EXPECT_TRUE(host.CursorInside());
    ASSERT_TRUE(SetCursorPos(240, 130));
    EXPECT_FALSE(host.CursorInside());
}

// Reads one pixel of the screen as 0x00RRGGBB.
std::uint32_t ScreenPixel(int x, int y) {
    ScreenDc screen;
    const COLORREF c = GetPixel(screen.Get(), x, y);
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

// Polls the screen until the pixel has the colour (the X server shows the window a little later).
bool ScreenShows(int x, int y, std::uint32_t rgb) {
    for (int i = 0; i < 100; ++i) {
        PumpMessages();
        if (ScreenPixel(x, y) == rgb) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return false;
}

TEST(LayerHostWindow, UpdateLayeredWindowShowsTheSurfaceOnScreen) {
    TestWindow window(400, 300, 60, 40, true);
    CLayerHost host(window.Get());
    host.SetSize(60, 40);
    CountingItem left(&host, 0, 0, 30, 40), right(&host, 30, 0, 30, 40);
    left.Paint(kRed);
    right.Paint(kBlue);
    host.Refresh();
    EXPECT_TRUE(ScreenShows(410, 320, 0xFF0000)) << std::hex << ScreenPixel(410, 320);
    EXPECT_TRUE(ScreenShows(450, 320, 0x0000FF)) << std::hex << ScreenPixel(450, 320);

    right.Paint(kGreen);
    right.Repaint();
    EXPECT_TRUE(ScreenShows(450, 320, 0x00FF00)) << std::hex << ScreenPixel(450, 320);
    EXPECT_TRUE(ScreenShows(410, 320, 0xFF0000));

    // The window follows the host's window position at the next push.
    SetWindowPos(window.Get(), nullptr, 500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    host.Refresh();
    EXPECT_TRUE(ScreenShows(510, 320, 0xFF0000)) << std::hex << ScreenPixel(510, 320);
}

} // namespace
} // namespace vimo::layertest
