// Portable arithmetic of the layer engine: nine-slice pieces, colour matrix, image fitting,
// thumb placement, rectangles, constant alpha.
#include <gtest/gtest.h>

#include <climits>

#include "layer/colour_matrix.h"
#include "layer/image_fit.h"
#include "layer/layer_alpha.h"
#include "layer/layer_colour.h"
#include "layer/layer_geometry.h"
#include "layer/nine_slice.h"

namespace vimo {
namespace {

TEST(NineSlice, CornersKeepTheirSizeEdgesAndCentreStretch) {
    // Element 100 x 80, image 30 x 20, cuts L5 T4 R6 B3.
    const auto p = NineSlicePieces(100, 80, 30, 20, SliceCuts{5, 4, 6, 3});
    // top-left, top, top-right
    EXPECT_EQ(p[0].dest, (LayerRect{0, 0, 5, 4}));
    EXPECT_EQ(p[0].source, (LayerRect{0, 0, 5, 4}));
    EXPECT_EQ(p[1].dest, (LayerRect{5, 0, 89, 4}));
    EXPECT_EQ(p[1].source, (LayerRect{5, 0, 19, 4}));
    EXPECT_EQ(p[2].dest, (LayerRect{94, 0, 6, 4}));
    EXPECT_EQ(p[2].source, (LayerRect{24, 0, 6, 4}));
    // left, centre, right
    EXPECT_EQ(p[3].dest, (LayerRect{0, 4, 5, 73}));
    EXPECT_EQ(p[3].source, (LayerRect{0, 4, 5, 13}));
    EXPECT_EQ(p[4].dest, (LayerRect{5, 4, 89, 73}));
    EXPECT_EQ(p[4].source, (LayerRect{5, 4, 19, 13}));
    EXPECT_EQ(p[5].dest, (LayerRect{94, 4, 6, 73}));
    EXPECT_EQ(p[5].source, (LayerRect{24, 4, 6, 13}));
    // bottom-left, bottom, bottom-right
    EXPECT_EQ(p[6].dest, (LayerRect{0, 77, 5, 3}));
    EXPECT_EQ(p[6].source, (LayerRect{0, 17, 5, 3}));
    EXPECT_EQ(p[7].dest, (LayerRect{5, 77, 89, 3}));
    EXPECT_EQ(p[7].source, (LayerRect{5, 17, 19, 3}));
    EXPECT_EQ(p[8].dest, (LayerRect{94, 77, 6, 3}));
    EXPECT_EQ(p[8].source, (LayerRect{24, 17, 6, 3}));
}

TEST(NineSlice, CutsMustLeaveAMiddleInImageAndElement) {
    EXPECT_TRUE(SliceCutsFit(100, 80, 30, 20, SliceCuts{5, 4, 6, 3}));
    EXPECT_FALSE(SliceCutsFit(100, 80, 30, 20, SliceCuts{15, 4, 15, 3})); // image width == L + R
    EXPECT_FALSE(SliceCutsFit(100, 80, 30, 20, SliceCuts{5, 10, 6, 10})); // image height == T + B
    EXPECT_FALSE(SliceCutsFit(11, 80, 30, 20, SliceCuts{5, 4, 6, 3}));    // element width == L + R
    EXPECT_FALSE(SliceCutsFit(100, 7, 30, 20, SliceCuts{5, 4, 6, 3}));    // element height == T + B
    EXPECT_TRUE(SliceCutsFit(12, 8, 12, 8, SliceCuts{5, 4, 6, 3}));
}

TEST(ColourMatrix, LuminosityDarkensBelowAndLiftsAboveOneHundred) {
    auto m = LayerColourMatrix(100, 0); // black, alpha kept
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(m[i][i], 0.0f);
        EXPECT_FLOAT_EQ(m[4][i], 0.0f);
    }
    EXPECT_FLOAT_EQ(m[3][3], 1.0f);
    EXPECT_FLOAT_EQ(m[4][4], 1.0f);

    m = LayerColourMatrix(100, 50);
    EXPECT_FLOAT_EQ(m[1][1], 0.5f);
    EXPECT_FLOAT_EQ(m[4][1], 0.0f);

    m = LayerColourMatrix(100, 150); // every channel raised by half of full scale
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(m[i][i], 1.0f);
        EXPECT_FLOAT_EQ(m[4][i], 0.5f);
    }

    const auto over = LayerColourMatrix(100, 250), white = LayerColourMatrix(100, 200);
    EXPECT_EQ(over, white);
    EXPECT_FLOAT_EQ(white[4][0], 1.0f);
}

TEST(ColourMatrix, AlphaPercentScalesAlphaOnlyAndIsClamped) {
    auto m = LayerColourMatrix(40, 100);
    EXPECT_FLOAT_EQ(m[3][3], 0.4f);
    EXPECT_FLOAT_EQ(m[0][0], 1.0f);
    EXPECT_FLOAT_EQ(m[4][3], 0.0f);
    EXPECT_FLOAT_EQ(LayerColourMatrix(130, 100)[3][3], 1.0f);
    EXPECT_FLOAT_EQ(LayerColourMatrix(-3, 100)[3][3], 0.0f);
    EXPECT_EQ(LayerColourMatrix(100, -20), LayerColourMatrix(100, 0));
    // Nothing else is set.
    m = LayerColourMatrix(40, 150);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) {
            if (r != c) {
                EXPECT_FLOAT_EQ(m[r][c], 0.0f) << r << "," << c;
            }
        }
    EXPECT_FLOAT_EQ(m[4][3], 0.0f);
}

TEST(ImageFit, FitsTheSmallerRatioAndCentresByDefault) {
    // Box 100 x 50 (element 110 x 60, margins 5 each side); image 20 x 20 -> factor 2.5 -> 50 x 50.
    const LayerMargins m{5, 5, 5, 5};
    FittedImage f = FitImage(110, 60, m, 20, 20, 0, 0, 100);
    EXPECT_FLOAT_EQ(f.width, 50.0f);
    EXPECT_FLOAT_EQ(f.height, 50.0f);
    EXPECT_EQ(f.x, 30); // (100 - 50) / 2 + 5
    EXPECT_EQ(f.y, 5);

    f = FitImage(110, 60, m, 20, 20, 1, 0, 100);
    EXPECT_EQ(f.x, 5);
    f = FitImage(110, 60, m, 20, 20, 2, 0, 100);
    EXPECT_EQ(f.x, 55);
    f = FitImage(110, 60, m, 20, 20, 7, 0, 100);
    EXPECT_EQ(f.x, 30);
}

TEST(ImageFit, ZoomScalesTheFitAndVerticalCodesPlaceIt) {
    // Box 40 x 100, image 10 x 10 -> factor 4 x 50 % = 2 -> 20 x 20; spare height 80.
    const LayerMargins m{0, 10, 0, 0};
    EXPECT_FLOAT_EQ(FitImage(40, 110, m, 10, 10, 0, 0, 50).width, 20.0f);
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 0, 50).y, 50); // centre: 40 + 10
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 1, 50).y, 10); // top
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 2, 50).y, 90); // bottom
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 3, 50).y, 30); // one quarter
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 4, 50).y, 70); // three quarters
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 9, 50).y, 50);
    EXPECT_EQ(FitImage(40, 110, m, 10, 10, 0, 0, 50).x, 10);
}

TEST(ImageFit, MarginsThatLeaveNoBoxLeaveNoPicture) {
    // Margins wider than the element would give a negative box and a mirrored picture.
    EXPECT_FLOAT_EQ(FitImage(40, 40, LayerMargins{30, 0, 30, 0}, 10, 10, 0, 0, 100).width, 0.0f);
    EXPECT_FLOAT_EQ(FitImage(40, 40, LayerMargins{0, 20, 0, 20}, 10, 10, 0, 0, 100).height, 0.0f);
    // Hostile values neither overflow nor fit.
    EXPECT_FLOAT_EQ(FitImage(40, 40, LayerMargins{INT_MAX, 0, INT_MAX, 0}, 10, 10, 0, 0, 100).width, 0.0f);
    EXPECT_FALSE(MarginsFit(40, 40, LayerMargins{INT_MAX, 0, INT_MAX, 0}));
}

TEST(LayerRect, EdgesOfHostileRectanglesStayInRange) {
    const LayerRect huge{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX};
    EXPECT_EQ(huge.Right(), INT_MAX);
    EXPECT_EQ(huge.Bottom(), INT_MAX);
    EXPECT_TRUE(huge.Contains(INT_MAX - 1, INT_MAX - 1));
    EXPECT_FALSE(OverlapsSurface(huge, 100, 100));
    const LayerRect wide{INT_MIN, 0, INT_MAX, 10};
    EXPECT_TRUE(OverlapsSurface(LayerRect{-5, -5, INT_MAX, INT_MAX}, 100, 100));
    EXPECT_EQ(UnionOf(wide, huge).width, INT_MAX);
    EXPECT_TRUE(Intersects(LayerRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, LayerRect{-10, -10, 5, 5}));
}

TEST(ImageFit, PositionsAreTruncated) {
    // Box 10 x 10, image 3 x 1 -> factor 3.333 -> 10 x 3.333; spare height 6.667 -> centre 3.33 -> 3.
    const FittedImage f = FitImage(10, 10, LayerMargins{}, 3, 1, 0, 0, 100);
    EXPECT_EQ(f.y, 3);
    EXPECT_EQ(FitImage(10, 10, LayerMargins{}, 3, 1, 0, 2, 100).y, 6);
}

TEST(ThumbOffset, MovesAlongTheTrackBetweenTheMargins) {
    // Bar 100, margins 10 and 20, thumb 10: track 60.
    EXPECT_EQ(ThumbOffset(100, 10, 20, 10, 0), 10);
    EXPECT_EQ(ThumbOffset(100, 10, 20, 10, 50), 40);
    EXPECT_EQ(ThumbOffset(100, 10, 20, 10, 100), 70);
    EXPECT_EQ(ThumbOffset(100, 10, 20, 10, 33), 29); // 19.8 truncated
    EXPECT_EQ(ThumbOffset(100, 10, 20, 10, -1), 10); // -0.6 truncated towards zero
}

TEST(Margins, MustLeaveABox) {
    EXPECT_TRUE(MarginsFit(20, 10, LayerMargins{9, 4, 10, 5}));
    EXPECT_FALSE(MarginsFit(20, 10, LayerMargins{10, 0, 10, 0}));
    EXPECT_FALSE(MarginsFit(20, 10, LayerMargins{0, 5, 0, 5}));
}

TEST(Geometry, SurfaceOverlapCountsAnyPixelInside) {
    EXPECT_TRUE(OverlapsSurface(LayerRect{-9, -9, 10, 10}, 50, 50));  // x + w == 1
    EXPECT_FALSE(OverlapsSurface(LayerRect{-10, 0, 10, 10}, 50, 50)); // x + w == 0
    EXPECT_TRUE(OverlapsSurface(LayerRect{49, 49, 10, 10}, 50, 50));
    EXPECT_FALSE(OverlapsSurface(LayerRect{50, 0, 10, 10}, 50, 50));
    EXPECT_FALSE(OverlapsSurface(LayerRect{0, 50, 10, 10}, 50, 50));
}

TEST(Geometry, IntersectionAndUnion) {
    const LayerRect a{0, 0, 10, 10}, b{5, 6, 10, 10}, far{20, 20, 2, 2};
    EXPECT_EQ(Intersection(a, b), (LayerRect{5, 6, 5, 4}));
    EXPECT_TRUE(Intersects(a, b));
    EXPECT_FALSE(Intersects(a, far));
    EXPECT_FALSE(Intersects(a, LayerRect{10, 0, 5, 5})); // touching edges share no pixel
    EXPECT_EQ(UnionOf(a, b), (LayerRect{0, 0, 15, 16}));
    EXPECT_EQ(UnionOf(LayerRect{}, b), b);
}

TEST(Colour, ComponentsAreClampedAndPacked) {
    const LayerColour c = LayerColour::Clamped(300, -4, 128, 255);
    EXPECT_EQ(c, (LayerColour{255, 0, 128, 255}));
    EXPECT_EQ(c.Packed(), 0xFF0080FFu);
    EXPECT_TRUE(c.Enabled());
    EXPECT_FALSE(LayerColour::Clamped(0, 255, 255, 255).Enabled());
}

TEST(ConstantAlpha, ClampBeforeShowAndSetAlphaWhileFading) {
    EXPECT_EQ(ClampConstantAlpha(300), 255);
    EXPECT_EQ(ClampConstantAlpha(-5), 0);
    EXPECT_EQ(ClampConstantAlpha(77), 77);
    EXPECT_EQ(AlphaAfterSetAlpha(120, 300), 255);
    EXPECT_EQ(AlphaAfterSetAlpha(120, -5), 120);
    EXPECT_EQ(AlphaAfterSetAlpha(120, 0), 0);
    EXPECT_EQ(AlphaAfterSetAlpha(120, 64), 64);
}

} // namespace
} // namespace vimo
