// The edit text part drawn into a real element: the measures agree with where the drawing library
// puts the glyphs, so the caret and the selection sit on them; tab stops; scroll bands; caret
// halo; current line; shadow; refused margins.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "layer/controls/edit_painter_win.h"
#include "layer/layer_element_win.h"
#include "layer_test_support_win.h"

namespace vimo::layertest {
namespace {

constexpr int kW = 220, kH = 90;
constexpr LayerMargins kMargins{4, 3, 4, 3};

// An element that draws only its edit part, with the painter's text on one or more lines.
class EditPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = std::make_unique<GdiplusSession>();
        element_ = std::make_unique<CLayerElement>(kW, kH, true);
        element_->SetCompositionOrder("E");
        element_->SetEditMargins(kMargins.left, kMargins.top, kMargins.right, kMargins.bottom);
        element_->SetEditPainter(&painter_);
        painter_.SetFont("Arial", 16, 0);
        painter_.SetTextColour(LayerColour{255, 0, 0, 0});
        painter_.SetCaretColour(LayerColour{255, 255, 0, 0});
        painter_.SetScrollColour(LayerColour{255, 0, 200, 0});
        painter_.SetScrollSizes(10, 8);
        painter_.SetBox(Box());
    }
    void TearDown() override {
        element_.reset();
        session_.reset();
    }

    static LayerRect Box() {
        return LayerRect{kMargins.left, kMargins.top, kW - kMargins.left - kMargins.right,
                         kH - kMargins.top - kMargins.bottom};
    }

    // One line of text; lines broken at CR LF as the edit window breaks them.
    void Show(const std::string& text, int caret, int anchor = -2) {
        painter_.SetContent(text, SplitEditLines(text), caret, anchor == -2 ? caret : anchor);
        element_->Invalidate();
        element_->Render();
    }
    std::vector<std::uint32_t> AllPixels() const {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }

    std::uint32_t Pixel(int x, int y) const { return BitmapPixel(element_->Bitmap(), x, y); }
    // Columns of the first line that hold text ink (dark, opaque enough).
    std::vector<bool> InkColumns(int lineTop, int lineHeight) const {
        std::vector<bool> ink(kW, false);
        for (int x = 0; x < kW; ++x)
            for (int y = lineTop; y < lineTop + lineHeight && y < kH; ++y) {
                const std::uint32_t p = Pixel(x, y);
                if (A(p) > 100 && R(p) < 100 && G(p) < 100 && B(p) < 100) ink[static_cast<std::size_t>(x)] = true;
            }
        return ink;
    }

    std::unique_ptr<GdiplusSession> session_;
    EditPainter painter_;
    std::unique_ptr<CLayerElement> element_;
};

// The columns of ink that the character k adds to the first k characters of the text.
struct GlyphInk {
    int left = 1 << 20, right = -1;
};

TEST_F(EditPainterTest, CaretSitsBetweenTheGlyphsItSeparates) {
    const int lh = painter_.LineHeight();
    ASSERT_GE(lh, 16);
    auto glyphsOf = [&](const std::string& text) {
        std::vector<GlyphInk> glyphs(text.size());
        std::vector<bool> before(kW, false);
        for (std::size_t k = 1; k <= text.size(); ++k) {
            Show(text.substr(0, k), -1);
            const std::vector<bool> ink = InkColumns(kMargins.top, lh);
            for (int x = 0; x < kW; ++x)
                if (ink[static_cast<std::size_t>(x)] && !before[static_cast<std::size_t>(x)]) {
                    glyphs[k - 1].left = std::min(glyphs[k - 1].left, x);
                    glyphs[k - 1].right = std::max(glyphs[k - 1].right, x);
                }
            before = ink;
        }
        return glyphs;
    };
    auto positionOf = [&](const std::string& text, std::size_t k) {
        Show(text, static_cast<int>(k));
        return painter_.CaretLine().x + 1; // the caret is one pixel left of the character
    };

    // Upright stems have a side bearing of about one pixel: each glyph's ink begins just right of
    // its character position, and the glyph before ends just left of it.
    for (const std::string text : {"HHHHHHHHHH", "llllllllll", "HlHllHlH"}) {
        const std::vector<GlyphInk> glyphs = glyphsOf(text);
        for (std::size_t k = 0; k < text.size(); ++k) {
            const int position = positionOf(text, k);
            EXPECT_GE(glyphs[k].left - position, 0) << text << " " << k;
            EXPECT_LE(glyphs[k].left - position, 2) << text << " " << k;
            if (k == 0) continue;
            EXPECT_GE(position - glyphs[k - 1].right, 1) << text << " " << k;
            EXPECT_LE(position - glyphs[k - 1].right, 3) << text << " " << k;
        }
    }
    // Any glyphs: the character position lies between the ink of its glyph and of the one before
    // (less a pixel of overhang on either side).
    const std::string text = "MWiHlmw_Tj";
    const std::vector<GlyphInk> glyphs = glyphsOf(text);
    for (std::size_t k = 1; k < text.size(); ++k) {
        if (glyphs[k].right < 0) continue; // a glyph that only adds ink where others already had it
        const int position = positionOf(text, k);
        EXPECT_GE(glyphs[k].left, position - 1) << "character " << k << " '" << text[k] << "'";
        EXPECT_LE(glyphs[k - 1].right, position + 1) << "character " << k - 1 << " '" << text[k - 1] << "'";
    }
    // At the end of the text the caret follows the last glyph.
    EXPECT_GE(positionOf(text, text.size()) + 1, glyphs.back().right);
}

TEST_F(EditPainterTest, CaretIsDrawnInItsColourOverAWhiteHalo) {
    Show("abc", 3);
    const LayerRect c = painter_.CaretLine();
    ASSERT_FALSE(c.Empty());
    const int mid = c.y + c.height / 2;
    EXPECT_TRUE(Near(Pixel(c.x, mid), 0xFFFF0000, 4)) << std::hex << Pixel(c.x, mid);
    // The halo: white at alpha 150 on both sides of the caret line (nothing else is drawn there).
    EXPECT_TRUE(Near(Pixel(c.x + 1, mid), kCaretHaloArgb, 4)) << std::hex << Pixel(c.x + 1, mid);
    EXPECT_TRUE(Near(Pixel(c.x - 1, mid), kCaretHaloArgb, 40)) << std::hex << Pixel(c.x - 1, mid);
    EXPECT_EQ(A(Pixel(c.x + 2, mid)), 0);
    // One font height tall.
    EXPECT_EQ(c.height, painter_.LineHeight());
    EXPECT_TRUE(Near(Pixel(c.x, c.y), 0xFFFF0000, 4));
    EXPECT_TRUE(Near(Pixel(c.x, c.y + c.height - 1), 0xFFFF0000, 4));
    EXPECT_EQ(A(Pixel(c.x + 2, c.y + c.height + 1)), 0);
    // No caret at index -1, nor when it is switched off.
    Show("abc", -1);
    EXPECT_EQ(A(Pixel(c.x + 1, mid)), 0);
    painter_.SetCaretShown(false);
    Show("abc", 3);
    EXPECT_EQ(A(Pixel(c.x + 1, mid)), 0);
}

TEST_F(EditPainterTest, SelectionBoxesCoverTheSelectedGlyphs) {
    painter_.SetSelectionColour(LayerColour{255, 0, 0, 255});
    const std::string text = "one two three\r\nfour";
    // "two three", the line break and "fo", selected backwards (caret before the anchor).
    Show(text, 4, 17);
    const std::vector<LayerRectF> boxes = painter_.SelectionBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    Show(text, 4);
    const int caretX = painter_.CaretLine().x + 1;
    EXPECT_NEAR(boxes[0].x, caretX, 0.5f);
    Show(text, 17);
    const int endX = painter_.CaretLine().x + 1;
    EXPECT_NEAR(boxes[1].x + boxes[1].width, endX, 0.5f);
    Show(text, 4, 17);
    // Blue inside the boxes (between the glyphs), none outside them.
    int blue = 0, outside = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const std::uint32_t p = Pixel(x, y);
            const bool isBlue = A(p) > 200 && B(p) > 200 && R(p) < 60;
            bool in = false;
            for (const LayerRectF& b : boxes)
                in = in || (x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height);
            if (isBlue && in) ++blue;
            if (isBlue && !in) ++outside;
        }
    EXPECT_GT(blue, 200);
    EXPECT_EQ(outside, 0);
    // The text is drawn over the selection.
    int dark = 0;
    const LayerRectF& b = boxes[0];
    for (int y = static_cast<int>(b.y); y < static_cast<int>(b.y + b.height); ++y)
        for (int x = static_cast<int>(b.x); x < static_cast<int>(b.x + b.width); ++x)
            if (B(Pixel(x, y)) < 60) ++dark;
    EXPECT_GT(dark, 20);
}

TEST_F(EditPainterTest, TabsPutTheTextOnStopsTwentyPixelsApart) {
    painter_.SetFont("Arial", 12, 0);
    const int lh = painter_.LineHeight();
    Show("\tx", -1);
    const std::vector<bool> tab1 = InkColumns(kMargins.top, lh);
    Show("a\t\tx", -1);
    const std::vector<bool> tab2 = InkColumns(kMargins.top, lh);
    auto firstInkFrom = [](const std::vector<bool>& ink, int from) {
        for (int x = from; x < kW; ++x)
            if (ink[static_cast<std::size_t>(x)]) return x;
        return -1;
    };
    // "x" starts at the first stop, then at the second one (after "a" and two tabs).
    const int textLeft = kMargins.left + kEditTextInset;
    EXPECT_NEAR(firstInkFrom(tab1, 0), textLeft + 20, 1);
    EXPECT_NEAR(firstInkFrom(tab2, textLeft + 12), textLeft + 40, 1);
    Show("a\t\tx", 3);
    EXPECT_EQ(painter_.CaretLine().x + 1, textLeft + 40);
    // The caret before the first character, and its halo, stay inside the box.
    Show("a\t\tx", 0);
    EXPECT_GE(painter_.CaretLine().x - 1, kMargins.left);
    EXPECT_TRUE(Near(Pixel(painter_.CaretLine().x, kMargins.top + 2), 0xFFFF0000, 4));
}

TEST_F(EditPainterTest, ScrollBandsShowWhenTheTextOutgrowsTheBox) {
    Show("short", -1);
    EXPECT_FALSE(painter_.NeedsHScroll());
    EXPECT_FALSE(painter_.NeedsVScroll());
    EXPECT_EQ(painter_.VScrollPercent(), -1);
    EXPECT_EQ(painter_.HScrollPercent(), -1);
    EXPECT_EQ(A(Pixel(kW - kMargins.right - 2, kMargins.top + 2)), 0);

    std::string tall;
    for (int i = 0; i < 12; ++i) tall += "line " + std::to_string(i) + "\r\n";
    tall += "a line long enough to need the horizontal band as well, surely";
    Show(tall, 0);
    EXPECT_TRUE(painter_.NeedsHScroll());
    EXPECT_TRUE(painter_.NeedsVScroll());
    EXPECT_EQ(painter_.VScrollPercent(), 0);
    const std::uint32_t band = 0xFF00C800;
    const LayerRect box = Box();
    EXPECT_TRUE(Near(Pixel(box.Right() - 5, box.y + 5), band)) << std::hex << Pixel(box.Right() - 5, box.y + 5);
    EXPECT_TRUE(Near(Pixel(box.x + 5, box.Bottom() - 4), band));
    EXPECT_TRUE(Near(Pixel(box.Right() - 5, box.Bottom() - 4), band)); // the corner
    // Nothing outside the box (the margins).
    EXPECT_EQ(A(Pixel(box.Right() + 1, box.y + 5)), 0);
    // The caret at the end scrolls the view to the bottom right.
    Show(tall, static_cast<int>(tall.size()));
    painter_.RevealCaret();
    EXPECT_EQ(painter_.VScrollPercent(), 100);
    EXPECT_EQ(painter_.HScrollPercent(), 100);
    const LayerRect area = painter_.TextArea();
    const LayerRect c = painter_.CaretLine();
    EXPECT_GE(c.x, area.x);
    EXPECT_LT(c.x, area.Right());
    EXPECT_GE(c.y, area.y);
    EXPECT_LE(c.Bottom(), area.Bottom());
    // One wheel notch up moves the text 12 pixels down.
    const int before = painter_.ScrollY();
    painter_.Wheel(120);
    EXPECT_EQ(painter_.ScrollY(), before - 12);
    EXPECT_LT(painter_.VScrollPercent(), 100);
}

TEST_F(EditPainterTest, CurrentLineIsFilledWithoutCaretAndFramedWithIt) {
    painter_.SetCurrentLineColour(LayerColour{255, 255, 0, 255});
    const int lh = painter_.LineHeight();
    const std::string text = "first\r\nsecond\r\nthird";
    painter_.SetCaretShown(false);
    Show(text, 9); // on "second"
    const int lineTop = kMargins.top + lh;
    const int emptyX = kW - kMargins.right - 3;
    EXPECT_TRUE(Near(Pixel(emptyX, lineTop + lh / 2), 0xFFFF00FF));
    EXPECT_EQ(A(Pixel(emptyX, kMargins.top + lh / 2)), 0);
    painter_.SetCaretShown(true);
    Show(text, 9);
    // A frame: its edges in the colour, its inside not.
    EXPECT_TRUE(Near(Pixel(emptyX - 20, lineTop), 0xFFFF00FF));
    EXPECT_TRUE(Near(Pixel(emptyX - 20, lineTop + lh), 0xFFFF00FF));
    EXPECT_EQ(A(Pixel(emptyX - 20, lineTop + lh / 2)), 0);
}

TEST_F(EditPainterTest, ShadowFallsOnePixelRightAndDown) {
    painter_.SetTextColour(LayerColour{255, 255, 255, 255});
    Show("I", -1);
    const InkBox plain = FindInk(
        kW, kH, [&](int x, int y) { return Pixel(x, y); }, 200);
    ASSERT_FALSE(plain.Empty());
    painter_.SetShadowed(true);
    Show("I", -1);
    // Shadow colour (50, 50, 50 at alpha 50) right below the stem's foot and right of it.
    const std::uint32_t below = Pixel((plain.left + plain.right) / 2 + 1, plain.bottom + 1);
    EXPECT_GT(A(below), 20);
    EXPECT_LT(R(below), 120);
    painter_.SetShadowed(false);
    Show("I", -1);
    std::vector<std::uint32_t> alone;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) alone.push_back(Pixel(x, y));
    painter_.SetDoubledColour(LayerColour{255, 0, 0, 255});
    Show("I", -1);
    // The outline rings the glyph in its colour: new blue pixels, all within a pixel of the glyph.
    int ring = 0, astray = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const std::uint32_t p = Pixel(x, y);
            if (A(alone[static_cast<std::size_t>(y * kW + x)]) != 0 || A(p) < 100 || B(p) < R(p) + 60) continue;
            const bool close =
                x >= plain.left - 2 && x <= plain.right + 2 && y >= plain.top - 2 && y <= plain.bottom + 2;
            (close ? ring : astray)++;
        }
    EXPECT_GT(ring, 2 * (plain.bottom - plain.top));
    EXPECT_EQ(astray, 0);
}

// Typing in a line and moving the caret draw again only the bands of the lines they touch, and
// what is drawn there is what drawing everything shows; what moves other lines needs everything.
TEST_F(EditPainterTest, AChangeOfOneLineIsDrawnAgainInItsBandAsADrawingOfEverything) {
    painter_.SetShadowed(true); // its shadow reaches below the line
    painter_.SetCurrentLineColour(LayerColour{255, 255, 0, 255});
    Show("first line\r\nsecond\r\nthird line", 14);
    const int lh = painter_.LineHeight();
    struct Step {
        std::string text;
        int caret;
        bool partly;
    } steps[] = {
        {"first line\r\nsecondy\r\nthird line", 19, true},   // a key typed
        {"first line\r\nsecond\r\nthird line", 18, true},    // Backspace
        {"first line\r\nsecond\r\nthird line", 3, true},     // the caret to the line above
        {"first\r\nline\r\nsecond\r\nthird line", 7, false}, // a line more
    };
    for (const Step& step : steps) {
        const EditPainter::PaintState before = painter_.State();
        painter_.SetContent(step.text, SplitEditLines(step.text), step.caret, step.caret);
        painter_.RevealCaret();
        const LayerRect part = painter_.ChangedPart(before);
        EXPECT_EQ(!part.Empty(), step.partly) << step.text << " caret " << step.caret;
        if (part.Empty()) {
            element_->Invalidate();
            element_->Render();
            continue;
        }
        EXPECT_LE(part.height, 2 * lh + lh + 8); // two lines and what stands out of them
        element_->InvalidatePart(part);
        element_->Render();
        const std::vector<std::uint32_t> partly = AllPixels();
        element_->Invalidate();
        element_->Render();
        EXPECT_EQ(partly, AllPixels()) << step.text << " caret " << step.caret;
    }
}

TEST_F(EditPainterTest, MarginsThatLeaveNoRoomDrawNoText) {
    element_->SetEditMargins(120, 3, 120, 3);
    Show("hello", 2);
    const InkBox ink = FindInk(
        kW, kH, [&](int x, int y) { return Pixel(x, y); }, 1);
    EXPECT_TRUE(ink.Empty());
    EXPECT_EQ(element_->LastError(), "EditMargin : Bad parameter");
}

TEST_F(EditPainterTest, PointsMapToTheNearestCharacterBoundary) {
    const std::string text = "abc\r\nWWW";
    Show(text, 0);
    const int lh = painter_.LineHeight();
    for (int index : {0, 1, 2, 3, 5, 6, 7, 8}) {
        Show(text, index);
        const LayerRect c = painter_.CaretLine();
        EXPECT_EQ(painter_.IndexAt(c.x + 1, c.y + lh / 2), index);
        EXPECT_EQ(painter_.IndexAt(c.x + 2, c.y + 1), index);
    }
    // Below the last line, right of its end: the end of the text.
    EXPECT_EQ(painter_.IndexAt(kW - 10, kH - 5), 8);
    // Left of the first line: its start.
    EXPECT_EQ(painter_.IndexAt(0, 0), 0);
}

} // namespace
} // namespace vimo::layertest
