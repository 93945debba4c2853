// The layer element drawn by the real GDI+ under Wine: pixels of the element bitmap after a render.
#include <gtest/gtest.h>

#include "layer/element_messages.h"
#include "layer_test_support_win.h"

namespace vimo::layertest {
namespace {

using Gdiplus::GpBitmap;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

std::uint32_t Px(CLayerElement& e, int x, int y) { return BitmapPixel(e.Bitmap(), x, y); }

std::function<std::uint32_t(int, int)> ElementPixels(CLayerElement& e) {
    return [&e](int x, int y) { return Px(e, x, y); };
}

class LayerElementTest : public ::testing::Test {
protected:
    // A 30 x 30 nine-slice source with cuts of 10: each of the nine 10 x 10 regions has its own
    // colour, and the top-left corner is a one-pixel checkerboard of red and blue (any scaling or
    // shift of a corner would blur it).
    std::string NineSliceSource() {
        static const std::uint32_t region[3][3] = {
            {0, 0xFF00FF00, 0xFF0000FF}, {0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF}, {0xFF808080, 0xFFFF8000, 0xFF004080}};
        const std::string path = dir.File("slice.png");
        EXPECT_TRUE(WritePng(path, 30, 30, [](int x, int y) {
            if (x < 10 && y < 10) return ((x + y) % 2) ? kBlue : kRed;
            return region[y / 10][x / 10];
        }));
        return path;
    }
    std::string SolidPng(const std::string& name, std::uint32_t argb, int w = 8, int h = 8) {
        const std::string path = dir.File(name);
        EXPECT_TRUE(WritePng(path, w, h, [argb](int, int) { return argb; }));
        return path;
    }

    ScratchDir dir;
};

TEST_F(LayerElementTest, NineSliceCornersUnscaledEdgesAndCentreStretched) {
    const std::string src = NineSliceSource();
    for (bool keeps : {true, false}) {
        SCOPED_TRACE(keeps ? "keeps its bitmap (pre-rendered)" : "renders from the file");
        CLayerElement e(100, 80, keeps);
        e.SetBackgroundImage(src, 10, 10, 10, 10);
        ASSERT_TRUE(e.LastError().empty()) << e.LastError();
        e.Render();
        ASSERT_NE(e.Bitmap(), nullptr);
        // Top-left corner: the checkerboard, pixel for pixel, over exactly 10 x 10.
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_TRUE(Near(Px(e, x, y), ((x + y) % 2) ? kBlue : kRed, 8)) << x << "," << y;
        // Edges stretched along one axis, the centre along both; corners stay 10 px.
        EXPECT_TRUE(Near(Px(e, 11, 5), kGreen, 8));      // top edge starts right after the corner
        EXPECT_TRUE(Near(Px(e, 88, 5), kGreen, 8));      // ... and runs to the top-right corner
        EXPECT_TRUE(Near(Px(e, 91, 1), kBlue, 8));       // top-right corner
        EXPECT_TRUE(Near(Px(e, 5, 40), 0xFFFFFF00, 8));  // left edge
        EXPECT_TRUE(Near(Px(e, 50, 40), 0xFF00FFFF, 8)); // centre
        EXPECT_TRUE(Near(Px(e, 12, 12), 0xFF00FFFF, 8));
        EXPECT_TRUE(Near(Px(e, 87, 67), 0xFF00FFFF, 8));
        EXPECT_TRUE(Near(Px(e, 95, 40), 0xFFFF00FF, 8)); // right edge
        EXPECT_TRUE(Near(Px(e, 5, 75), 0xFF808080, 8));  // bottom-left corner
        EXPECT_TRUE(Near(Px(e, 50, 75), 0xFFFF8000, 8)); // bottom edge
        EXPECT_TRUE(Near(Px(e, 95, 75), 0xFF004080, 8)); // bottom-right corner
        EXPECT_TRUE(Near(Px(e, 70, 71), 0xFFFF8000, 8)); // bottom band is 10 px high (70..79)
        EXPECT_TRUE(Near(Px(e, 70, 68), 0xFF00FFFF, 8));
    }
}

TEST_F(LayerElementTest, OpaqueNineSliceLeavesNoSeamAtAnySize) {
    // An opaque source must give an opaque element: no row or column where two pieces meet may
    // let the transparent surface show through, whatever the stretch factor.
    const std::string src = SolidPng("opaque.png", 0xFF336699, 30, 30);
    for (bool keeps : {true, false}) {
        for (const auto& size :
             {std::pair{100, 80}, std::pair{57, 83}, std::pair{31, 31}, std::pair{203, 45}, std::pair{64, 250}}) {
            SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second) +
                         (keeps ? ", pre-rendered" : ", from the file"));
            CLayerElement e(size.first, size.second, keeps);
            e.SetBackgroundImage(src, 10, 10, 10, 10);
            e.Render();
            ASSERT_NE(e.Bitmap(), nullptr);
            int seams = 0;
            for (int y = 0; y < size.second; ++y)
                for (int x = 0; x < size.first; ++x)
                    if (A(Px(e, x, y)) < 250 && seams++ < 3) ADD_FAILURE() << "see-through pixel at " << x << "," << y;
            EXPECT_EQ(seams, 0);
        }
    }
}

TEST_F(LayerElementTest, KeptElementPreRendersTheNineSliceOnce) {
    const std::string src = NineSliceSource();
    CLayerElement kept(60, 60, true), loaded(60, 60, false);
    kept.SetBackgroundImage(src, 10, 10, 10, 10);
    loaded.SetBackgroundImage(src, 10, 10, 10, 10);
    ASSERT_TRUE(DeleteFileA(src.c_str()));
    kept.Render();
    loaded.Render();
    EXPECT_TRUE(Near(Px(kept, 30, 30), 0xFF00FFFF, 8)); // drawn from the pre-render
    EXPECT_EQ(A(Px(loaded, 30, 30)), 0);                // the file is gone: nothing to draw
}

TEST_F(LayerElementTest, ABackgroundShownAloneIsKeptOnceAndLaterDrawnFromItsPicture) {
    const std::string src = NineSliceSource();
    CLayerElement e(60, 60, true);
    e.SetKeepsPrerender(false);
    e.SetBackgroundImage(src, 10, 10, 10, 10);
    e.Render();
    const std::uint32_t first = Px(e, 30, 30);
    EXPECT_TRUE(Near(first, 0xFF00FFFF, 8));
    e.SetBackgroundAlphaPercent(50); // a render from the picture
    e.Render();
    EXPECT_NEAR(A(Px(e, 30, 30)), 128, 2);
    e.SetBackgroundAlphaPercent(100);
    e.Render();
    EXPECT_EQ(Px(e, 30, 30), first);
    ASSERT_TRUE(DeleteFileA(src.c_str())); // no pre-render is left to draw from
    e.SetBackgroundAlphaPercent(90);
    e.Render();
    EXPECT_EQ(A(Px(e, 30, 30)), 0);
}

TEST_F(LayerElementTest, BackgroundsShownAloneAlikeShareOneRendering) {
    const std::string src = NineSliceSource();
    SharedPictures shared;
    CLayerElement a(60, 60, true), b(60, 60, true), other(60, 40, true);
    for (CLayerElement* e : {&a, &b, &other}) {
        e->SetKeepsPrerender(false);
        e->SetBackgroundImage(src, 10, 10, 10, 10);
        e->Render(&shared);
    }
    EXPECT_EQ(a.Bitmap(), b.Bitmap());
    EXPECT_NE(a.Bitmap(), other.Bitmap()); // another size
    EXPECT_TRUE(Near(Px(a, 30, 30), 0xFF00FFFF, 8));
    EXPECT_EQ(shared.Count(), 2u);
    b.SetBackgroundAlphaPercent(50); // no longer alike: a rendering of its own
    b.Render(&shared);
    EXPECT_NE(a.Bitmap(), b.Bitmap());
    EXPECT_NEAR(A(Px(b, 30, 30)), 128, 2);
    EXPECT_TRUE(Near(Px(a, 30, 30), 0xFF00FFFF, 8));
    a.Resize(40, 40);
    other.Resize(40, 40);
    EXPECT_EQ(shared.Count(), 0u); // a rendering goes with the last element that shows it
}

TEST_F(LayerElementTest, ResizedElementStretchesItsNineSliceToTheNewSize) {
    const std::string src = NineSliceSource();
    CLayerElement e(60, 60, true);
    e.SetBackgroundImage(src, 10, 10, 10, 10);
    e.Render();
    e.Resize(120, 40);
    e.Render();
    int w = 0, h = 0;
    ImagePixelSize(e.Bitmap(), w, h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 40);
    EXPECT_TRUE(Near(Px(e, 115, 35), 0xFF004080, 8)); // bottom-right corner at the new place
    EXPECT_TRUE(Near(Px(e, 60, 20), 0xFF00FFFF, 8));
    e.Resize(18, 40); // the cuts leave no middle: the image is off, the colour stays
    e.SetBackgroundColour(255, 0, 0, 255);
    e.Render();
    EXPECT_TRUE(Near(Px(e, 9, 20), kBlue));
}

TEST_F(LayerElementTest, LuminosityZeroIsBlackWithTheImageAlpha) {
    const std::string half = SolidPng("half.png", 0x80C06020);
    CLayerElement e(20, 20, true);
    e.SetImage(half);
    e.SetImageLuminosityPercent(0);
    e.Render();
    const std::uint32_t p = Px(e, 10, 10);
    EXPECT_NEAR(A(p), 0x80, 2);
    EXPECT_EQ(R(p) + G(p) + B(p), 0);
}

TEST_F(LayerElementTest, LuminosityAboveHundredRaisesEveryChannel) {
    const std::string src = SolidPng("c.png", 0xFF402010);
    CLayerElement e(20, 20, true);
    e.SetImage(src);
    e.SetImageLuminosityPercent(150); // + half of full scale
    e.Render();
    EXPECT_TRUE(Near(Px(e, 10, 10), 0xFFBF9F8F, 3)) << std::hex << Px(e, 10, 10);

    e.SetImageLuminosityPercent(250); // treated as 200 %: white
    e.Render();
    EXPECT_TRUE(Near(Px(e, 10, 10), kWhite, 2));
    e.SetImageLuminosityPercent(50);
    e.Render();
    EXPECT_TRUE(Near(Px(e, 10, 10), 0xFF201008, 2));
}

TEST_F(LayerElementTest, AlphaPercentScalesTheImageAlpha) {
    const std::string src = SolidPng("red.png", kRed);
    CLayerElement e(20, 20, true);
    e.SetImage(src);
    e.SetImageAlphaPercent(50);
    e.Render();
    EXPECT_NEAR(A(Px(e, 10, 10)), 128, 2);
    EXPECT_NEAR(R(Px(e, 10, 10)), 255, 2);

    // The background image takes its own percents.
    CLayerElement bg(30, 30, true);
    const std::string slice = SolidPng("slice.png", kBlue, 9, 9);
    bg.SetBackgroundImage(slice, 3, 3, 3, 3);
    bg.SetBackgroundAlphaPercent(25);
    bg.Render();
    EXPECT_NEAR(A(Px(bg, 15, 15)), 64, 2);
}

TEST_F(LayerElementTest, EmptyOrderDrawsOnlyFillAndFrame) {
    CLayerElement e(40, 30, true);
    e.SetBackgroundColour(255, 0, 0, 255);
    e.SetBlockText(TextBlockId::Text, "Wide text");
    e.SetFillColour(255, 0, 255, 0);
    e.SetFillOn(true);
    e.SetFrame(2, 255, 255, 0, 0);
    e.SetFrameOn(true);
    e.SetCompositionOrder("");
    e.Render();
    EXPECT_TRUE(Near(Px(e, 20, 15), kGreen)); // fill, no background, no text
    int framePixels = 0;
    for (int x = 0; x < 40; ++x) framePixels += Near(Px(e, x, 1), kRed, 40) ? 1 : 0;
    EXPECT_GT(framePixels, 10);
    EXPECT_LT(framePixels, 40); // dashed: gaps show the fill

    e.SetFrameOn(false);
    e.Render();
    for (int x = 0; x < 40; ++x) ASSERT_TRUE(Near(Px(e, x, 1), kGreen)) << x;
    e.SetFillOn(false);
    e.Render();
    EXPECT_EQ(Px(e, 20, 15), 0u);
}

TEST_F(LayerElementTest, OrderTbDrawsTextThenTheBackgroundOverIt) {
    CLayerElement e(120, 40, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 24, 2);
    e.SetBlockColour(TextBlockId::Text, 255, 255, 0, 0);
    e.SetBlockText(TextBlockId::Text, "MMMM");
    e.SetBackgroundColour(255, 0, 0, 255);
    auto redPixels = [&] {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) n += (R(Px(e, x, y)) > 128 && B(Px(e, x, y)) < 128) ? 1 : 0;
        return n;
    };
    e.SetCompositionOrder("bt");
    e.Render();
    EXPECT_GT(redPixels(), 50); // text over the background
    e.SetCompositionOrder("tb");
    e.Render();
    EXPECT_EQ(redPixels(), 0); // the background covers the text
    EXPECT_TRUE(Near(Px(e, 60, 20), kBlue));
    e.SetCompositionOrder("xbtq"); // unknown letters ignored
    e.Render();
    EXPECT_GT(redPixels(), 50);
}

TEST_F(LayerElementTest, TextBlockIsDrawnBeforeTheTitleBlock) {
    CLayerElement e(80, 40, true);
    for (auto [block, colour] : {std::pair{TextBlockId::Text, kRed}, std::pair{TextBlockId::Title, kBlue}}) {
        e.SetBlockFont(block, "Arial", 20, 2);
        e.SetBlockText(block, "MMM");
        e.SetBlockColour(block, 0, 0, 0, 0);
        e.SetBlockBackground(block, A(colour), R(colour), G(colour), B(colour));
    }
    e.Render();
    // Both backgrounds cover the same measured box: the title's, drawn last, is on top.
    EXPECT_TRUE(Near(Px(e, 40, 20), kBlue, 2)) << std::hex << Px(e, 40, 20);
}

// Bounding box of the shadow alone: the text itself is transparent, the outline (when on) so faint
// that it stays under the threshold.
InkBox ShadowBox(ScratchDir&, int doubledAlpha) {
    CLayerElement e(100, 40, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 12, 2);
    e.SetBlockPosition(TextBlockId::Text, 1, 1);
    e.SetBlockMargins(TextBlockId::Text, 10, 10, 0, 0);
    e.SetBlockText(TextBlockId::Text, "HIH");
    e.SetBlockColour(TextBlockId::Text, 0, 0, 0, 0);
    e.SetBlockShadowed(TextBlockId::Text, true);
    e.SetBlockDoubledColour(TextBlockId::Text, doubledAlpha, 255, 255, 255);
    e.Render();
    return FindInk(100, 40, ElementPixels(e), 25); // shadow alpha is 50
}

InkBox PlainTextBox() {
    CLayerElement e(100, 40, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 12, 2);
    e.SetBlockPosition(TextBlockId::Text, 1, 1);
    e.SetBlockMargins(TextBlockId::Text, 10, 10, 0, 0);
    e.SetBlockText(TextBlockId::Text, "HIH");
    e.Render();
    return FindInk(100, 40, ElementPixels(e), 128);
}

TEST_F(LayerElementTest, ShadowIsOnePixelOffAndTwoWithADoubledColour) {
    const InkBox text = PlainTextBox();
    ASSERT_FALSE(text.Empty());
    const InkBox one = ShadowBox(dir, 0);
    ASSERT_FALSE(one.Empty());
    EXPECT_EQ(one.left - text.left, 1);
    EXPECT_EQ(one.top - text.top, 1);
    const InkBox two = ShadowBox(dir, 1);
    ASSERT_FALSE(two.Empty());
    EXPECT_EQ(two.left - text.left, 2);
    EXPECT_EQ(two.top - text.top, 2);
    EXPECT_EQ(two.right - two.left, text.right - text.left);
}

TEST_F(LayerElementTest, DoubledColourDrawsAOnePixelOutline) {
    const InkBox text = PlainTextBox();
    CLayerElement e(100, 40, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 12, 2);
    e.SetBlockPosition(TextBlockId::Text, 1, 1);
    e.SetBlockMargins(TextBlockId::Text, 10, 10, 0, 0);
    e.SetBlockText(TextBlockId::Text, "HIH");
    e.SetBlockColour(TextBlockId::Text, 0, 0, 0, 0);
    e.SetBlockDoubledColour(TextBlockId::Text, 255, 0, 0, 255);
    e.Render();
    const InkBox outline = FindInk(100, 40, ElementPixels(e), 128);
    EXPECT_EQ(outline.left, text.left - 1);
    EXPECT_EQ(outline.top, text.top - 1);
    EXPECT_EQ(outline.right, text.right + 1);
    EXPECT_EQ(outline.bottom, text.bottom + 1);
}

TEST_F(LayerElementTest, TextAlignmentFollowsThePositions) {
    auto inkOf = [](int hPos, int vPos) {
        CLayerElement e(200, 60, true);
        e.SetBlockFont(TextBlockId::Title, "ARIAL", 16, 0); // skin values come upper-cased
        e.SetBlockText(TextBlockId::Title, "Title");
        e.SetBlockPosition(TextBlockId::Title, hPos, vPos);
        e.SetBlockMargins(TextBlockId::Title, 5, 5, 5, 5);
        e.Render();
        return FindInk(200, 60, ElementPixels(e), 128);
    };
    const InkBox left = inkOf(1, 1), centre = inkOf(0, 0), right = inkOf(2, 2);
    ASSERT_FALSE(left.Empty());
    EXPECT_LT(left.left, 12);
    EXPECT_LT(left.top, 12);
    EXPECT_GT(right.right, 185);
    EXPECT_GT(right.bottom, 45);
    EXPECT_NEAR((centre.left + centre.right) / 2, 100, 4);
    EXPECT_NEAR((centre.top + centre.bottom) / 2, 30, 4);
}

TEST_F(LayerElementTest, VerticalTextRunsDownTheElement) {
    CLayerElement e(40, 200, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 16, 0);
    e.SetBlockText(TextBlockId::Text, "Vertical");
    e.SetBlockOrientation(TextBlockId::Text, 1);
    e.Render();
    const InkBox ink = FindInk(40, 200, ElementPixels(e), 128);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
}

TEST_F(LayerElementTest, TextBackgroundAndFrameFollowTheMeasuredBox) {
    CLayerElement e(200, 50, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 16, 0);
    e.SetBlockText(TextBlockId::Text, "Box");
    e.SetBlockPosition(TextBlockId::Text, 1, 1);
    e.SetBlockColour(TextBlockId::Text, 0, 0, 0, 0);
    e.SetBlockBackground(TextBlockId::Text, 255, 0, 255, 0);
    e.Render();
    const InkBox box = FindInk(200, 50, ElementPixels(e), 128);
    ASSERT_FALSE(box.Empty());
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_LT(box.right, 60); // the string's width, not the element's
    EXPECT_LT(box.bottom, 30);
    EXPECT_TRUE(Near(Px(e, 1, 1), kGreen));

    e.SetBlockBackground(TextBlockId::Text, 0, 0, 0, 0);
    e.SetBlockFrame(TextBlockId::Text, 2, 255, 255, 0, 0);
    e.Render();
    EXPECT_TRUE(Near(Px(e, box.left + 1, box.top + 5), kRed, 60)) << std::hex << Px(e, box.left + 1, box.top + 5);
    EXPECT_EQ(A(Px(e, (box.left + box.right) / 2, (box.top + box.bottom) / 2)), 0); // a frame, not a fill
}

TEST_F(LayerElementTest, TextBackgroundSitsUnderTheAlignedText) {
    for (auto [hPos, vPos] : {std::pair{0, 0}, std::pair{2, 2}, std::pair{1, 2}}) {
        SCOPED_TRACE(testing::Message() << hPos << "," << vPos);
        CLayerElement e(160, 60, true);
        e.SetBlockFont(TextBlockId::Text, "Arial", 12, 0);
        e.SetBlockText(TextBlockId::Text, "Mon 7 Dec");
        e.SetBlockPosition(TextBlockId::Text, hPos, vPos);
        e.SetBlockMargins(TextBlockId::Text, 4, 4, 4, 4);
        e.SetBlockColour(TextBlockId::Text, 255, 255, 0, 0);
        e.SetBlockBackground(TextBlockId::Text, 255, 0, 0, 255);
        e.Render();
        const InkBox box = FindInk(160, 60, ElementPixels(e), 128);
        const InkBox ink = FindInk(
            160, 60,
            [&](int x, int y) {
                const std::uint32_t p = Px(e, x, y);
                return R(p) > 128 ? p : 0u;
            },
            128);
        ASSERT_FALSE(ink.Empty());
        EXPECT_LE(box.left, ink.left);
        EXPECT_LE(box.top, ink.top);
        EXPECT_GE(box.right, ink.right);
        EXPECT_GE(box.bottom, ink.bottom);
        EXPECT_LT(box.bottom - box.top, 30); // the string's box, not the layout
    }
}

TEST_F(LayerElementTest, ImagePositionAndZoom) {
    const std::string src = SolidPng("img.png", kRed, 10, 10);
    CLayerElement e(100, 50, true);
    e.SetImage(src);
    e.SetImagePosition(1, 0); // left
    e.Render();
    InkBox ink = FindInk(100, 50, ElementPixels(e), 128);
    EXPECT_EQ(ink.left, 0);
    EXPECT_NEAR(ink.right, 49, 1);
    e.SetImagePosition(2, 0); // right
    e.Render();
    ink = FindInk(100, 50, ElementPixels(e), 128);
    EXPECT_NEAR(ink.left, 50, 1);
    EXPECT_EQ(ink.right, 99);
    e.SetImagePosition(0, 0);
    e.SetImageZoom(50);
    e.SetImageMargins(0, 0, 0, 10); // box 100 x 40 -> 40 x 40 -> 20 x 20 centred at (40, 10)
    e.Render();
    ink = FindInk(100, 50, ElementPixels(e), 128);
    EXPECT_NEAR(ink.left, 40, 1);
    EXPECT_NEAR(ink.top, 10, 1);
    EXPECT_NEAR(ink.right - ink.left + 1, 20, 1);
}

TEST_F(LayerElementTest, APictureFileIsDecodedOnceForTheElementsSharingItAndAgainWhenRewritten) {
    const std::string src = SolidPng("shared.png", kRed, 10, 10);
    SharedPictures shared;
    CLayerElement a(10, 10, true), b(10, 10, true);
    for (CLayerElement* e : {&a, &b}) {
        e->SetPictures(&shared);
        e->SetImage(src);
        e->Render(&shared);
        EXPECT_TRUE(Near(Px(*e, 5, 5), kRed));
    }
    EXPECT_EQ(shared.DecodedCount(), 1u);
    // Written anew under the same name (a skin being edited): the next render shows the new picture.
    SolidPng("shared.png", kGreen, 10, 10);
    HANDLE file = CreateFileA(src.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME later = {0x12345678, 0x01E00000};
    SetFileTime(file, nullptr, nullptr, &later);
    CloseHandle(file);
    for (CLayerElement* e : {&a, &b}) {
        e->Invalidate();
        e->Render(&shared);
        EXPECT_TRUE(Near(Px(*e, 5, 5), kGreen));
    }
    EXPECT_EQ(shared.DecodedCount(), 1u);
}

TEST_F(LayerElementTest, StretchedImageCoversTheElement) {
    const std::string src = dir.File("quad.png");
    ASSERT_TRUE(WritePng(src, 8, 8, [](int x, int y) { return x < 4 ? (y < 4 ? kRed : kGreen) : kBlue; }));
    CLayerElement e(40, 40, true);
    e.SetStretchedImage(src);
    e.SetStretchedAlphaPercent(100);
    e.Render();
    EXPECT_TRUE(Near(Px(e, 0, 0), kRed, 2));
    EXPECT_TRUE(Near(Px(e, 8, 8), kRed, 2));
    EXPECT_TRUE(Near(Px(e, 8, 32), kGreen, 2));
    EXPECT_TRUE(Near(Px(e, 0, 39), kGreen, 2));
    EXPECT_TRUE(Near(Px(e, 32, 20), kBlue, 2));
    EXPECT_TRUE(Near(Px(e, 39, 39), kBlue, 2));
    e.SetStretchedAlphaPercent(40);
    e.Render();
    EXPECT_NEAR(A(Px(e, 8, 8)), 102, 3);
}

TEST_F(LayerElementTest, ScrollThumbSitsAtItsPercent) {
    const std::string thumb = SolidPng("thumb.png", kRed, 10, 10);
    CLayerElement v(20, 100, true);
    v.SetThumbImage(thumb);
    v.SetThumbMargins(10, 20); // track 60
    v.SetThumbPercent(50);
    v.Render();
    InkBox ink = FindInk(20, 100, ElementPixels(v), 128);
    EXPECT_EQ(ink.left, 5);
    EXPECT_EQ(ink.top, 40);
    EXPECT_EQ(ink.bottom, 49);

    CLayerElement h(100, 20, true);
    h.SetThumbImage(thumb);
    h.SetThumbOrientation(1);
    h.SetThumbPercent(100);
    h.Render();
    ink = FindInk(100, 20, ElementPixels(h), 128);
    EXPECT_EQ(ink.left, 90);
    EXPECT_EQ(ink.top, 5);
    h.SetThumbLuminosityPercent(0);
    h.Render();
    EXPECT_TRUE(Near(Px(h, 95, 10), kBlack, 2));
}

TEST_F(LayerElementTest, BackgroundValidationMessagesSwitchOnlyTheImageOff) {
    const std::string slice = SolidPng("slice.png", kRed, 20, 20);
    const std::string text = dir.File("not-an-image.png");
    ASSERT_TRUE(WriteTextFile(text, "plain text"));
    struct Case {
        std::string file;
        int l, t, r, b;
        const char* message;
    };
    const Case cases[] = {
        {dir.File("missing.png"), 2, 2, 2, 2, kMsgBackgroundFileName},
        {text, 2, 2, 2, 2, kMsgBackgroundDimension},
        {slice, 10, 2, 10, 2, kMsgBackgroundCut}, // cut widths add up to the image width
        {slice, 2, 12, 2, 8, kMsgBackgroundCut},  // ... to its height
        {slice, 15, 2, 15, 2, kMsgBackgroundCut}, // ... beyond the element's width (30)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        CLayerElement e(30, 30, true);
        EXPECT_EQ(e.SetBackgroundColour(255, 0, 0, 255), kLayerStatusGood);
        e.SetBackgroundFrame(1, 255, 0, 255, 0);
        EXPECT_EQ(e.SetBackgroundImage(c.file, c.l, c.t, c.r, c.b), kLayerStatusGood);
        EXPECT_EQ(e.LastError(), c.message);
        EXPECT_EQ(e.Status(), kLayerStatusGood);
        e.Render();
        EXPECT_TRUE(Near(Px(e, 15, 15), kBlue)) << std::hex << Px(e, 15, 15);    // colour, no image
        EXPECT_TRUE(Near(Px(e, 0, 15), kGreen, 40)) << std::hex << Px(e, 0, 15); // frame
    }
    CLayerElement ok(30, 30, true);
    ok.SetBackgroundImage(slice, 5, 5, 5, 5);
    EXPECT_TRUE(ok.LastError().empty());
    ok.Render();
    EXPECT_TRUE(Near(Px(ok, 15, 15), kRed));
}

TEST_F(LayerElementTest, ImageValidationMessagesKeepTheOtherParts) {
    const std::string text = dir.File("not-an-image.png");
    ASSERT_TRUE(WriteTextFile(text, "plain text"));
    for (auto [file, message] :
         {std::pair{dir.File("missing.png"), kMsgImageFileName}, std::pair{text, kMsgImageDimension}}) {
        SCOPED_TRACE(message);
        CLayerElement e(30, 30, true);
        e.SetBackgroundColour(255, 0, 0, 255);
        e.SetImage(file);
        EXPECT_EQ(e.LastError(), message);
        e.Render();
        EXPECT_TRUE(Near(Px(e, 15, 15), kBlue));
    }
}

TEST_F(LayerElementTest, MarginsThatLeaveNoBoxDisableOnlyTheirBlock) {
    CLayerElement e(60, 30, true);
    e.SetBlockFont(TextBlockId::Text, "Arial", 14, 2);
    e.SetBlockText(TextBlockId::Text, "IIII");
    e.SetBlockPosition(TextBlockId::Text, 1, 1);
    e.SetBlockColour(TextBlockId::Text, 255, 0, 0, 255);
    e.SetBlockFont(TextBlockId::Title, "Arial", 14, 2);
    e.SetBlockText(TextBlockId::Title, "IIII");
    e.SetBlockColour(TextBlockId::Title, 255, 255, 0, 0);
    e.SetTitleMargins(30, 0, 30, 0);
    EXPECT_EQ(e.LastError(), kMsgTitleMargin);
    e.SetBackgroundColour(255, 255, 255, 255);
    e.Render();
    int blue = 0, red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const std::uint32_t p = Px(e, x, y);
            blue += (B(p) > 200 && R(p) < 100) ? 1 : 0;
            red += (R(p) > 200 && B(p) < 100) ? 1 : 0;
        }
    EXPECT_GT(blue, 10); // the text block
    EXPECT_EQ(red, 0);   // no title
    EXPECT_TRUE(Near(Px(e, 59, 29), kWhite));
}

class RecordingEditPainter : public LayerEditPainter {
public:
    void PaintEdit(GdipGraphics& g, const LayerRect& box, const LayerRect&) override {
        ++calls;
        lastBox = box;
        g.FillRect(0xFF00FF00, LayerRectF{static_cast<float>(box.x), static_cast<float>(box.y),
                                          static_cast<float>(box.width), static_cast<float>(box.height)});
    }
    int calls = 0;
    LayerRect lastBox;
};

TEST_F(LayerElementTest, EditPartIsDrawnByItsPainterInsideTheEditMargins) {
    RecordingEditPainter painter;
    CLayerElement e(50, 40, true);
    e.SetEditPainter(&painter);
    e.SetEditMargins(2, 3, 4, 5);
    e.SetCompositionOrder("E");
    e.Render();
    EXPECT_EQ(painter.calls, 1);
    EXPECT_EQ(painter.lastBox, (LayerRect{2, 3, 44, 32}));
    EXPECT_TRUE(Near(Px(e, 10, 10), kGreen));
    e.Render(); // still valid: no new render
    EXPECT_EQ(painter.calls, 1);
    e.SetEditMargins(25, 0, 25, 0);
    EXPECT_EQ(e.LastError(), kMsgEditMargin);
    e.Render();
    EXPECT_EQ(painter.calls, 1);
}

TEST_F(LayerElementTest, MeasuredTitleHeightGrowsWhenTheTextWraps) {
    CLayerElement e(10, 10, false);
    e.SetBlockFont(TextBlockId::Title, "Arial", 12, 0);
    e.SetBlockText(TextBlockId::Title, "one two three four five six seven eight nine ten");
    const int wide = e.MeasureTextHeight(1000);
    const int narrow = e.MeasureTextHeight(60);
    EXPECT_GT(wide, 8);
    EXPECT_LT(wide, 25);
    EXPECT_GT(narrow, 3 * wide);
}

TEST_F(LayerElementTest, RenderHappensOnlyWhenInvalid) {
    CLayerElement e(10, 10, true);
    e.SetFillColour(255, 255, 0, 0);
    e.SetFillOn(true);
    e.Render();
    EXPECT_TRUE(e.IsValid());
    EXPECT_TRUE(Near(Px(e, 5, 5), kRed));
    // Paint over the bitmap behind the element's back: a valid element does not render again.
    {
        GdipGraphics g = GdipGraphics::OnImage(e.Bitmap());
        g.Clear(0xFF0000FF);
    }
    e.Render();
    EXPECT_TRUE(Near(Px(e, 5, 5), kBlue));
    e.SetFillColour(255, 0, 255, 0);
    EXPECT_FALSE(e.IsValid());
    e.Render();
    EXPECT_TRUE(Near(Px(e, 5, 5), kGreen));
}

} // namespace
} // namespace vimo::layertest
