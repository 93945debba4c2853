// Layered scroll bars: range band, percent and position, straight drags with the pointer, the
// wheel, the track colours and thumb luminosity of the hover, cursors.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "controls_support_win.h"
#include "layer/controls/layer_scroll_win.h"

namespace vimo::controlstest {
namespace {

constexpr std::uint32_t kInactive = 0xFF323232, kActive = 0xFFC8C800, kThumb = 0xFF00FF00;

// A vertical bar 20 x 150 at (200, 20) and a horizontal bar 150 x 20 at (20, 150), thumbs 12 x 20
// and 20 x 12, margins 5 at both ends.
class ScrollTest : public ::testing::Test {
protected:
    ScrollTest() : kap(100, 100, 300, 200) {
        EXPECT_TRUE(WritePng(dir.File("v.png"), 12, 20, [](int, int) { return kThumb; }));
        EXPECT_TRUE(WritePng(dir.File("h.png"), 20, 12, [](int, int) { return kThumb; }));
        v = new CLayerScrollV(&kap.Host(), 200, 20, 20, 150);
        h = new CLayerScrollH(&kap.Host(), 20, 150, 150, 20);
        for (CLayerScroll* bar : {static_cast<CLayerScroll*>(v), static_cast<CLayerScroll*>(h)}) {
            bar->SetTrackColours(LayerColour{255, 50, 50, 50}, LayerColour{255, 200, 200, 0});
            bar->SetThumbMargins(5, 5);
            UseTestMessages(*bar, kap.Hwnd());
        }
        v->SetThumb(dir.File("v.png"));
        h->SetThumb(dir.File("h.png"));
    }
    void SetUp() override {
        MouseTo(kap.ScreenPoint(100, 60));
        kap.Show();
        PumpFor(100);
        kap.posted.clear();
    }
    // Surface pixel of the vertical bar's centre line, y from the bar's top.
    std::uint32_t VPixel(int y) { return kap.Host().PixelAt(200 + 10, 20 + y); }
    std::uint32_t HPixel(int x) { return kap.Host().PixelAt(20 + x, 150 + 10); }
    // The first row of the vertical bar's thumb.
    int VThumbTop() {
        for (int y = 0; y < 150; ++y)
            if (Near(VPixel(y), kThumb, 100)) return y;
        return -1;
    }
    int HThumbLeft() {
        for (int x = 0; x < 150; ++x)
            if (Near(HPixel(x), kThumb, 100)) return x;
        return -1;
    }
    void Wheel(CLayerScroll& bar, int delta) {
        PostMessageW(bar.Input(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    }
    std::vector<int> Values() const {
        std::vector<int> out;
        for (const Posted& p : kap.Of(kMsgValue)) out.push_back(static_cast<int>(p.wParam));
        return out;
    }

    ScratchDir dir;
    TestKap kap;
    CLayerScrollV* v; // owned by the host
    CLayerScrollH* h;
};

TEST_F(ScrollTest, OneWheelNotchMovesTheContentTenPixelsAndPostsThePercent) {
    ASSERT_EQ(v->Range(), 200);
    EXPECT_EQ(VThumbTop(), 5);
    Wheel(*v, -120);
    ASSERT_TRUE(kap.WaitFor(kMsgValue));
    EXPECT_EQ(Values(), std::vector<int>{5});
    EXPECT_EQ(v->Position(), 10);
    EXPECT_EQ(v->Percent(), 5);
    // Not hovered: the thumb moves at once, 5 % of the 120 pixels it can travel.
    EXPECT_EQ(VThumbTop(), 11);

    Wheel(*v, 120);
    Wheel(*v, 120); // already at the top: nothing more
    ASSERT_TRUE(kap.WaitFor(kMsgValue, 2));
    PumpFor(100);
    EXPECT_EQ(Values(), (std::vector<int>{5, 0}));
    EXPECT_EQ(VThumbTop(), 5);

    // The horizontal bar does not take the wheel.
    Wheel(*h, -120);
    PumpFor(100);
    EXPECT_EQ(h->Position(), 0);
    EXPECT_EQ(kap.Count(kMsgValue), 2);
}

TEST_F(ScrollTest, RangeOutsideTheBandIsIgnoredAndAcceptedRangeKeepsThePercent) {
    v->SetPercent(50);
    EXPECT_EQ(v->Position(), 100);
    EXPECT_EQ(VThumbTop(), 65);
    EXPECT_FALSE(v->SetRange(201));
    EXPECT_FALSE(v->SetRange(20000));
    EXPECT_EQ(v->Range(), 200);
    EXPECT_TRUE(v->SetRange(1000));
    EXPECT_EQ(v->Percent(), 50);
    EXPECT_EQ(v->Position(), 500);
    Wheel(*v, -120);
    ASSERT_TRUE(kap.WaitFor(kMsgValue));
    EXPECT_EQ(v->Position(), 510);
    EXPECT_EQ(Values(), std::vector<int>{51});
    // Setting the percent itself posts nothing.
    v->SetPercent(20);
    PumpFor(100);
    EXPECT_EQ(kap.Count(kMsgValue), 1);
}

TEST_F(ScrollTest, StraightMovesDragTheThumbDiagonalMovesDoNot) {
    MouseTo(kap.At(*v, 10, 30)); // the first move only starts the hover
    ASSERT_TRUE(PumpUntil([&] { return v->IsHovered(); }));
    EXPECT_EQ(kap.Count(kMsgEnter), 1);
    EXPECT_TRUE(PumpUntil([&] { return Near(kap.Host().PixelAt(201, 22), kActive); }));

    MouseTo(kap.At(*v, 10, 75)); // straight down: (75 - 5) x 100 / 140
    ASSERT_TRUE(kap.WaitFor(kMsgValue));
    EXPECT_EQ(Values(), std::vector<int>{50});
    EXPECT_EQ(v->Position(), 100);
    EXPECT_TRUE(PumpUntil([&] { return VThumbTop() == 65; }));

    MouseTo(kap.At(*v, 12, 110)); // diagonal: only recorded
    ASSERT_TRUE(kap.WaitFor(kMsgMove, 3));
    MouseTo(kap.At(*v, 12, 148)); // straight again, clamped to the bottom margin
    ASSERT_TRUE(kap.WaitFor(kMsgValue, 2));
    EXPECT_EQ(Values(), (std::vector<int>{50, 100}));
    EXPECT_TRUE(PumpUntil([&] { return VThumbTop() == 125; }));

    MouseTo(kap.ScreenPoint(100, 60));
    ASSERT_TRUE(kap.WaitFor(kMsgLeave));
    EXPECT_FALSE(v->IsHovered());
    EXPECT_TRUE(Near(kap.Host().PixelAt(201, 22), kInactive));
    PumpFor(150);
    EXPECT_EQ(kap.Count(kMsgLeave), 1);
}

TEST_F(ScrollTest, VerticalBarStaysHoveredWhileTheButtonDragsBeyondIt) {
    MouseTo(kap.At(*v, 10, 30));
    ASSERT_TRUE(PumpUntil([&] { return v->IsHovered(); }));
    // Button and moves all go through the X display, so every motion carries the pressed button.
    const bool onDisplay = XLeftButton(true);
    if (!onDisplay) MouseButton(MOUSEEVENTF_LEFTDOWN);
    // The tool runs on its own (there is no handle to wait on): the press is there once the system has it.
    ASSERT_TRUE(PumpUntil([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }));
    // The user drags beside the bar with the button down for 1.2 s, then lets go. The input comes
    // from another thread, which also looks at the bar during the drag: this thread may be held in
    // the system's drag detection for as long as the button is down.
    const POINT outside = kap.ScreenPoint(150, 60);
    std::atomic<bool> hoveredWhileDragging{false};
    std::thread user([&] {
        for (int i = 0; i < 20; ++i) {
            const POINT p{outside.x + (i % 2) * 12, outside.y};
            if (!XMouseTo(p)) SetCursorPos(p.x, p.y);
            Sleep(60);
            // Past the leave delay with the pointer beside the bar: still hovered.
            if (i == 15) hoveredWhileDragging = v->IsHovered();
        }
        if (!onDisplay || !XLeftButton(false)) MouseButton(MOUSEEVENTF_LEFTUP);
    });
    PumpUntil([&] { return !v->IsHovered(); }, 5000);
    user.join();
    EXPECT_TRUE(hoveredWhileDragging);
    // Released beside the bar: the hover ends.
    EXPECT_TRUE(PumpUntil([&] { return !v->IsHovered(); }));
    EXPECT_TRUE(kap.WaitFor(kMsgLeave));
}

TEST_F(ScrollTest, HorizontalBarDragsAlongItsWidth) {
    MouseTo(kap.At(*h, 30, 10));
    ASSERT_TRUE(PumpUntil([&] { return h->IsHovered(); }));
    MouseTo(kap.At(*h, 30, 12)); // across the bar: nothing
    ASSERT_TRUE(kap.WaitFor(kMsgMove, 2));
    MouseTo(kap.At(*h, 40, 12)); // along it: (40 - 5) x 100 / 140
    ASSERT_TRUE(kap.WaitFor(kMsgValue));
    EXPECT_EQ(Values(), std::vector<int>{25});
    EXPECT_TRUE(PumpUntil([&] { return HThumbLeft() == 5 + 120 * 25 / 100; }));
}

TEST_F(ScrollTest, ThumbLuminosityAndTrackColourFollowTheHover) {
    v->SetHoverLuminosity(50);
    const auto vThumb = [&] { return VPixel(10); };
    const auto hThumb = [&] { return HPixel(10); };
    EXPECT_TRUE(Near(vThumb(), kThumb));
    EXPECT_TRUE(Near(HPixel(2), kInactive));

    MouseTo(kap.At(*v, 10, 100));
    ASSERT_TRUE(PumpUntil([&] { return Near(vThumb(), 0xFF008000, 3); })) << std::hex << vThumb();
    MouseTo(kap.At(*h, 100, 10));
    // The horizontal bar always uses 70 %.
    ASSERT_TRUE(PumpUntil([&] { return Near(hThumb(), 0xFF00B300, 3); })) << std::hex << hThumb();
    EXPECT_TRUE(Near(HPixel(2), kActive));
    ASSERT_TRUE(PumpUntil([&] { return Near(vThumb(), kThumb); }));
    MouseTo(kap.ScreenPoint(100, 60));
    ASSERT_TRUE(PumpUntil([&] { return Near(hThumb(), kThumb) && Near(HPixel(2), kInactive); }));
}

TEST_F(ScrollTest, CursorsAreTheSizingArrowsOfTheirDirection) {
    for (CLayerScroll* bar : {static_cast<CLayerScroll*>(v), static_cast<CLayerScroll*>(h)}) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        SendMessageW(bar->Input(), WM_SETCURSOR, reinterpret_cast<WPARAM>(bar->Input()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, bar->IsVertical() ? IDC_SIZENS : IDC_SIZEWE));
    }
}

} // namespace
} // namespace vimo::controlstest
