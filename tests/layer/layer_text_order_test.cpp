// Composition order parsing and the arithmetic of text blocks.
#include <gtest/gtest.h>

#include <algorithm>

#include "layer/composition_order.h"
#include "layer/text_block_layout.h"

namespace vimo {
namespace {

using P = LayerPart;

TEST(CompositionOrder, DefaultDrawsEveryPartOnce) {
    EXPECT_EQ(ParseCompositionOrder(kDefaultCompositionOrder),
              (std::vector<P>{P::Background, P::Image, P::WindowView, P::Stretched, P::Text, P::Edit, P::Thumb}));
}

TEST(CompositionOrder, CaseIgnoredUnknownSkippedRepeatsKept) {
    EXPECT_EQ(ParseCompositionOrder("tb"), (std::vector<P>{P::Text, P::Background}));
    EXPECT_EQ(ParseCompositionOrder("bxB?i"), (std::vector<P>{P::Background, P::Background, P::Image}));
    EXPECT_TRUE(ParseCompositionOrder("").empty());
    EXPECT_TRUE(ParseCompositionOrder("xyz").empty());
    EXPECT_EQ(NormaliseCompositionOrder("tbWs"), "TBWS");
}

TEST(TextBlock, FontStyleFromTypeAndUnderlineFlag) {
    EXPECT_EQ(FontStyleFromType(0, false), kStyleRegular);
    EXPECT_EQ(FontStyleFromType(1, false), kStyleItalic);
    EXPECT_EQ(FontStyleFromType(2, false), kStyleBold);
    EXPECT_EQ(FontStyleFromType(3, false), kStyleBold | kStyleItalic);
    EXPECT_EQ(FontStyleFromType(4, false), kStyleUnderline);
    EXPECT_EQ(FontStyleFromType(5, false), kStyleStrikeout);
    EXPECT_EQ(FontStyleFromType(6, false), kStyleRegular);
    EXPECT_EQ(FontStyleFromType(2, true), kStyleBold | kStyleUnderline);
    EXPECT_EQ(FontStyleFromType(4, true), kStyleUnderline);
}

TEST(TextBlock, AlignmentFromPosition) {
    EXPECT_EQ(AlignmentFromPosition(0), 1); // centre
    EXPECT_EQ(AlignmentFromPosition(1), 0); // near
    EXPECT_EQ(AlignmentFromPosition(2), 2); // far
    EXPECT_EQ(AlignmentFromPosition(3), 1);
    EXPECT_EQ(AlignmentFromPosition(-1), 1);
}

TEST(TextBlock, LayoutBackgroundAndFrameBoxes) {
    const LayerRectF layout = TextLayoutRect(200, 40, LayerMargins{3, 4, 5, 6});
    EXPECT_FLOAT_EQ(layout.x, 3);
    EXPECT_FLOAT_EQ(layout.y, 4);
    EXPECT_FLOAT_EQ(layout.width, 192);
    EXPECT_FLOAT_EQ(layout.height, 30);

    const LayerRectF measured{10, 12, 50, 20};
    const LayerRectF bg = TextBackgroundBox(measured);
    EXPECT_FLOAT_EQ(bg.width, 49);
    EXPECT_FLOAT_EQ(bg.height, 19);
    EXPECT_FLOAT_EQ(bg.x, 10);

    const LayerRectF frame = TextFrameBox(measured, 3); // half of 3 rounds to 1
    EXPECT_FLOAT_EQ(frame.x, 11);
    EXPECT_FLOAT_EQ(frame.y, 13);
    EXPECT_FLOAT_EQ(frame.width, 47);
    EXPECT_FLOAT_EQ(frame.height, 17);

    const LayerRectF element = ElementFrameBox(60, 30, 5);
    EXPECT_FLOAT_EQ(element.x, 2);
    EXPECT_FLOAT_EQ(element.y, 2);
    EXPECT_FLOAT_EQ(element.width, 55);
    EXPECT_FLOAT_EQ(element.height, 25);
}

TEST(TextBlock, MeasuredBoxIsPlacedByTheAlignments) {
    const LayerRectF layout{10, 20, 100, 40};
    auto box = AlignMeasuredBox(layout, 30, 10, 0, 0);
    EXPECT_FLOAT_EQ(box.x, 10);
    EXPECT_FLOAT_EQ(box.y, 20);
    box = AlignMeasuredBox(layout, 30, 10, 1, 1);
    EXPECT_FLOAT_EQ(box.x, 45);
    EXPECT_FLOAT_EQ(box.y, 35);
    box = AlignMeasuredBox(layout, 30, 10, 2, 2);
    EXPECT_FLOAT_EQ(box.x, 80);
    EXPECT_FLOAT_EQ(box.y, 50);
    EXPECT_FLOAT_EQ(box.width, 30);
    EXPECT_FLOAT_EQ(box.height, 10);
    box = AlignMeasuredBox(layout, 140, 10, 1, 0); // wider than the layout: centred over it
    EXPECT_FLOAT_EQ(box.x, -10);
}

TEST(TextBlock, ShadowMovesToTwoPixelsWithAnOutlineAndThickensAboveFourteen) {
    EXPECT_EQ(ShadowOffsets(12, false), (std::vector<TextOffset>{{1, 1}}));
    EXPECT_EQ(ShadowOffsets(12, true), (std::vector<TextOffset>{{2, 2}}));
    EXPECT_EQ(ShadowOffsets(14, false), (std::vector<TextOffset>{{1, 1}}));
    EXPECT_EQ(ShadowOffsets(15, false), (std::vector<TextOffset>{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(ShadowOffsets(20, true), (std::vector<TextOffset>{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
}

TEST(TextBlock, OutlineIsTheEightNeighbours) {
    const auto o = OutlineOffsets();
    ASSERT_EQ(o.size(), 8u);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int n = static_cast<int>(std::count(o.begin(), o.end(), TextOffset{dx, dy}));
            EXPECT_EQ(n, (dx == 0 && dy == 0) ? 0 : 1) << dx << "," << dy;
        }
}

TEST(TextBlock, GridFitBelowFourteenPixels) {
    EXPECT_TRUE(UsesGridFit(13));
    EXPECT_FALSE(UsesGridFit(14));
}

} // namespace
} // namespace vimo
