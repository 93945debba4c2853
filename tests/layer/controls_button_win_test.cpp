// Layered buttons and statics driven by real mouse input: enter, move and leave messages, the
// hover look (normal zoom, hover luminosity, blocks shown only on hover), clicks on the press or
// on the release, focus frame and cursor.
#include <gtest/gtest.h>

#include "controls_support_win.h"
#include "layer/controls/layer_button_win.h"

namespace vimo::controlstest {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;

class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() : kap(100, 100, 300, 200) {
        button = new CLayerButton(&kap.Host(), 20, 20, 60, 40);
        button->Elem().SetBackgroundColour(255, 0, 0, 255);
        UseTestMessages(*button, kap.Hwnd());
    }
    void SetUp() override {
        MouseTo(kap.ScreenPoint(250, 180)); // on the window, away from the button
        kap.Show();
        PumpFor(100);
        kap.posted.clear();
    }
    // Moves the pointer onto the button and waits for the hover.
    void Hover(int dx = 10, int dy = 10) {
        MouseTo(kap.At(*button, dx, dy));
        ASSERT_TRUE(PumpUntil([&] { return button->IsHovered(); }));
    }

    TestKap kap;
    CLayerButton* button; // owned by the host
};

TEST_F(ButtonTest, PointerPostsEnterOnceMovePerNewPositionAndLeaveOnce) {
    MouseTo(kap.At(*button, 10, 10));
    ASSERT_TRUE(kap.WaitFor(kMsgMove, 1));
    MouseTo(kap.At(*button, 12, 10));
    ASSERT_TRUE(kap.WaitFor(kMsgMove, 2));
    MouseTo(kap.At(*button, 12, 10)); // the same place again: nothing new
    PostMessageW(button->Input(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
    PostMessageW(button->Input(), WM_MOUSEMOVE, 0, MAKELPARAM(70, 10)); // outside the button
    MouseTo(kap.At(*button, 14, 11));
    ASSERT_TRUE(kap.WaitFor(kMsgMove, 3));
    EXPECT_TRUE(button->IsHovered());
    EXPECT_EQ(kap.Count(kMsgEnter), 1);
    EXPECT_EQ(kap.Count(kMsgLeave), 0);
    const auto moves = kap.Of(kMsgMove);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].wParam, 10u);
    EXPECT_EQ(moves[0].lParam, 10);
    EXPECT_EQ(moves[1].wParam, 12u);
    EXPECT_EQ(moves[2].wParam, 14u);
    EXPECT_EQ(moves[2].lParam, 11);
    // The enter message comes before the first move.
    EXPECT_EQ(kap.posted.front().msg, kMsgEnter);

    MouseTo(kap.ScreenPoint(250, 180));
    ASSERT_TRUE(kap.WaitFor(kMsgLeave, 1, 1000));
    EXPECT_FALSE(button->IsHovered());
    PumpFor(200); // four ticks of the leave timer: the leave message is not repeated
    EXPECT_EQ(kap.Count(kMsgLeave), 1);
    EXPECT_EQ(kap.Count(kMsgEnter), 1);

    // A new stay posts enter again.
    MouseTo(kap.At(*button, 30, 30));
    ASSERT_TRUE(kap.WaitFor(kMsgEnter, 2));
}

TEST_F(ButtonTest, NoLeaveWithoutAnEnterMessage) {
    button->Notifications().enterMessage = 0;
    Hover();
    MouseTo(kap.ScreenPoint(250, 180));
    ASSERT_TRUE(PumpUntil([&] { return !button->IsHovered(); }));
    PumpFor(100);
    EXPECT_EQ(kap.Count(kMsgLeave), 0);
    EXPECT_GE(kap.Count(kMsgMove), 1);
}

TEST_F(ButtonTest, AnotherItemBroughtToTheFrontEndsTheHoverThoughThePointerStays) {
    auto* other = new CLayerButton(&kap.Host(), 200, 20, 40, 40);
    Hover();
    EXPECT_TRUE(button->IsTopmost());
    other->BringToFront();
    ASSERT_TRUE(kap.WaitFor(kMsgLeave, 1, 1000));
    EXPECT_FALSE(button->IsHovered());
    POINT p{};
    GetCursorPos(&p);
    const POINT inside = kap.At(*button, 10, 10);
    EXPECT_EQ(p.x, inside.x);
    EXPECT_EQ(p.y, inside.y);
}

TEST_F(ButtonTest, NormalZoomGrowsToFullSizeWhileHovered) {
    ScratchDir dir;
    const std::string png = dir.File("red.png");
    ASSERT_TRUE(WritePng(png, 60, 40, [](int, int) { return kRed; }));
    button->Elem().SetBackgroundColour(0, 0, 0, 0);
    button->Elem().SetImage(png);
    button->SetNormalZoom(80);
    kap.Host().Refresh();
    // At 80 % the 60 x 40 image is 48 x 32, centred: 6 pixels of the background static on the left.
    EXPECT_FALSE(Near(kap.Host().PixelAt(20 + 2, 20 + 20), kRed));
    EXPECT_TRUE(Near(kap.Host().PixelAt(20 + 8, 20 + 20), kRed));
    EXPECT_FALSE(Near(kap.Host().PixelAt(20 + 30, 20 + 2), kRed));

    Hover();
    ASSERT_TRUE(PumpUntil([&] { return Near(kap.Host().PixelAt(20 + 2, 20 + 20), kRed); }));
    EXPECT_TRUE(Near(kap.Host().PixelAt(20 + 30, 20 + 1), kRed));
    EXPECT_EQ(button->Elem().Image().zoomPercent, 100);

    MouseTo(kap.ScreenPoint(250, 180));
    ASSERT_TRUE(PumpUntil([&] { return !Near(kap.Host().PixelAt(20 + 2, 20 + 20), kRed); }));
    EXPECT_EQ(button->Elem().Image().zoomPercent, 80);
}

TEST_F(ButtonTest, HoverLuminosityAndBlocksShownOnlyOnHover) {
    button->SetHoverLuminosity(0);
    button->Elem().SetBackgroundColour(0, 0, 0, 0);
    ScratchDir dir;
    const std::string png = dir.File("red.png");
    ASSERT_TRUE(WritePng(png, 60, 40, [](int, int) { return kRed; }));
    button->Elem().SetImage(png);
    button->Elem().SetBlockText(TextBlockId::Title, "Title");
    button->SetTitleOnlyOnHover(true);
    button->Elem().SetBlockText(TextBlockId::Text, "Text");
    button->SetTextOnlyOnHover(false);
    EXPECT_FALSE(button->Elem().Block(TextBlockId::Title).shown);
    EXPECT_TRUE(button->Elem().Block(TextBlockId::Text).shown);
    kap.Host().Refresh();
    EXPECT_TRUE(Near(kap.Host().PixelAt(20 + 1, 20 + 1), kRed));

    Hover();
    ASSERT_TRUE(PumpUntil([&] { return Near(kap.Host().PixelAt(20 + 1, 20 + 1), 0xFF000000); }));
    EXPECT_TRUE(button->Elem().Block(TextBlockId::Title).shown);
    EXPECT_EQ(button->Elem().Image().luminosityPercent, 0);

    MouseTo(kap.ScreenPoint(250, 180));
    ASSERT_TRUE(PumpUntil([&] { return Near(kap.Host().PixelAt(20 + 1, 20 + 1), kRed); }));
    EXPECT_FALSE(button->Elem().Block(TextBlockId::Title).shown);
    EXPECT_TRUE(button->Elem().Block(TextBlockId::Text).shown);
    EXPECT_EQ(button->Elem().Image().luminosityPercent, 100);
}

TEST_F(ButtonTest, ButtonThatIsNotFocusableActsOnThePress) {
    Hover();
    kap.posted.clear();
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    // The command comes first, then the click message.
    ASSERT_EQ(kap.posted.size(), 2u);
    EXPECT_EQ(kap.posted[0].msg, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(LOWORD(kap.posted[0].wParam), kCommandId);
    EXPECT_EQ(kap.posted[1].msg, kMsgClick);
    MouseButton(MOUSEEVENTF_LEFTUP);
    PumpFor(150);
    EXPECT_EQ(kap.Count(kMsgClick), 1); // the release adds nothing

    MouseButton(MOUSEEVENTF_RIGHTDOWN);
    MouseButton(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(kap.WaitFor(kMsgRight));
    EXPECT_EQ(kap.Count(kMsgClick), 1);
    EXPECT_EQ(kap.Of(kMsgRight).back().wParam, reinterpret_cast<WPARAM>(button->Input()))
        << "the message names the button pressed";
}

TEST_F(ButtonTest, DoubleClickPostsDoubleClickAndCountsBothPresses) {
    button->SetDoubleClickIsPress(true);
    Hover();
    kap.posted.clear();
    for (int i = 0; i < 2; ++i) {
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        MouseButton(MOUSEEVENTF_LEFTUP);
    }
    ASSERT_TRUE(kap.WaitFor(kMsgDouble));
    ASSERT_TRUE(kap.WaitFor(kMsgClick, 2));
    EXPECT_EQ(kap.Count(kMsgDouble), 1);
}

TEST_F(ButtonTest, FocusableButtonClicksOnReleaseAndShowsItsFocusFrame) {
    button->Elem().SetFrame(2, 255, 255, 255, 0);
    button->SetFocusable(true);
    EXPECT_TRUE(GetWindowLongPtrW(button->Input(), GWL_STYLE) & WS_TABSTOP);
    kap.Host().Refresh();
    // The frame is drawn only while the button has the focus.
    const auto framePixels = [&] {
        int n = 0;
        for (int x = 0; x < 60; ++x) n += Near(kap.Host().PixelAt(20 + x, 20), 0xFFFFFF00, 8) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(framePixels(), 0);

    Hover(); // the pointer over a focusable button gives it the focus
    EXPECT_EQ(GetFocus(), button->Input());
    ASSERT_TRUE(PumpUntil([&] { return framePixels() > 0; }));
    // Dashed: frame and gaps along the top edge.
    EXPECT_LT(framePixels(), 55);
    EXPECT_TRUE(button->Elem().Frame().on);

    kap.posted.clear();
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    PumpFor(150);
    EXPECT_EQ(kap.Count(kMsgClick), 0);
    MouseButton(MOUSEEVENTF_LEFTUP); // the button-clicked notification, reflected by the kap
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    EXPECT_EQ(kap.Count(WM_COMMAND), 1);

    // Another focusable control takes the focus away: the frame goes.
    auto* other = new CLayerButton(&kap.Host(), 200, 20, 40, 40);
    other->SetFocusable(true);
    SetFocus(other->Input());
    ASSERT_TRUE(PumpUntil([&] { return framePixels() == 0; }));
    EXPECT_FALSE(button->Elem().Frame().on);
}

TEST_F(ButtonTest, ButtonShowsTheHandCursor) {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SendMessageW(button->Input(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button->Input()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

TEST_F(ButtonTest, InputWindowIsAFlatButtonAtTheItemsRectangle) {
    char cls[32] = {}, caption[32] = {};
    GetClassNameA(button->Input(), cls, sizeof(cls));
    GetWindowTextA(button->Input(), caption, sizeof(caption));
    EXPECT_STREQ(cls, "Button");
    EXPECT_STREQ(caption, "CButton");
    const LONG_PTR style = GetWindowLongPtrW(button->Input(), GWL_STYLE);
    EXPECT_TRUE(style & BS_FLAT);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(GetDlgCtrlID(button->Input()), 0);
    RECT r{};
    GetWindowRect(button->Input(), &r);
    const POINT corner = kap.ScreenPoint(20, 20);
    EXPECT_EQ(r.left, corner.x);
    EXPECT_EQ(r.top, corner.y);
    EXPECT_EQ(r.right - r.left, 60);
    EXPECT_EQ(r.bottom - r.top, 40);
}

TEST_F(ButtonTest, DestroyingAButtonRemovesItsItemAndWindow) {
    HWND input = button->Input();
    const std::size_t items = kap.Host().ItemCount();
    delete button;
    button = nullptr;
    EXPECT_EQ(kap.Host().ItemCount(), items - 1);
    EXPECT_FALSE(IsWindow(input));
}

TEST(LayerStatic, DrawsItsElementAndLetsThePointerThrough) {
    TestKap kap(100, 100, 200, 120);
    auto* label = new CLayerStatic(&kap.Host(), 10, 10, 80, 30);
    label->Elem().SetBackgroundColour(255, 0, 200, 0);
    kap.Show();
    EXPECT_TRUE(Near(kap.Host().PixelAt(50, 20), 0xFF00C800));
    char cls[32] = {}, caption[32] = {};
    GetClassNameA(label->Input(), cls, sizeof(cls));
    GetWindowTextA(label->Input(), caption, sizeof(caption));
    EXPECT_STREQ(cls, "Static");
    EXPECT_STREQ(caption, "CStatic");
    EXPECT_EQ(GetWindowLongPtrW(label->Input(), GWL_STYLE) & SS_TYPEMASK, SS_BLACKFRAME);
    const POINT p = kap.ScreenPoint(50, 20);
    EXPECT_EQ(WindowFromPoint(p), kap.Hwnd());
}

} // namespace
} // namespace vimo::controlstest
