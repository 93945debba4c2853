// The arithmetic of the layered scroll bars: range band, percent under the pointer, position
// from percent and wheel.
#include <gtest/gtest.h>

#include "layer/controls/scroll_math.h"

namespace vimo {
namespace {

TEST(ScrollRange, HalfMustLieFrom101ToBelow10000) {
    EXPECT_FALSE(ScrollRangeAccepted(0));
    EXPECT_FALSE(ScrollRangeAccepted(-500));
    EXPECT_FALSE(ScrollRangeAccepted(200)); // half 100
    EXPECT_FALSE(ScrollRangeAccepted(201)); // half 100.5
    EXPECT_TRUE(ScrollRangeAccepted(202));
    EXPECT_TRUE(ScrollRangeAccepted(19999));
    EXPECT_FALSE(ScrollRangeAccepted(20000));
    EXPECT_FALSE(ScrollRangeAccepted(1 << 30));
}

TEST(ScrollRange, RefusedRangeLeavesTheBarUnchangedAcceptedRangeKeepsThePercent) {
    ScrollModel m;
    EXPECT_EQ(m.Range(), kScrollDefaultRange);
    m.SetPercent(40);
    EXPECT_EQ(m.Position(), 80);
    EXPECT_FALSE(m.SetRange(150));
    EXPECT_FALSE(m.SetRange(30000));
    EXPECT_EQ(m.Range(), kScrollDefaultRange);
    EXPECT_EQ(m.Position(), 80);
    EXPECT_TRUE(m.SetRange(1000));
    EXPECT_EQ(m.Range(), 1000);
    EXPECT_EQ(m.Percent(), 40);
    EXPECT_EQ(m.Position(), 400);
}

TEST(ScrollPercent, PointerIsClampedToTheMarginsAndMeasuredFromTheStart) {
    // Bar 110 long, margins 5 and 5: travel 100.
    EXPECT_EQ(ScrollPercentAt(5, 110, 5, 5), 0);
    EXPECT_EQ(ScrollPercentAt(0, 110, 5, 5), 0);
    EXPECT_EQ(ScrollPercentAt(55, 110, 5, 5), 50);
    EXPECT_EQ(ScrollPercentAt(105, 110, 5, 5), 100);
    EXPECT_EQ(ScrollPercentAt(109, 110, 5, 5), 100);
    // Whole numbers, truncated: travel 30, 10 pixels in is 33 %.
    EXPECT_EQ(ScrollPercentAt(12, 40, 2, 8), 33);
    // No travel left by the margins.
    EXPECT_EQ(ScrollPercentAt(10, 20, 10, 10), -1);
    EXPECT_EQ(ScrollPercentAt(10, 20, 15, 10), -1);
}

TEST(ScrollPercent, PointingChangesPercentAndPositionOnlyWhenThePercentDiffers) {
    ScrollModel m;
    ASSERT_TRUE(m.SetRange(400));
    EXPECT_TRUE(m.PointTo(60, 110, 10, 0)); // 50 of 100
    EXPECT_EQ(m.Percent(), 50);
    EXPECT_EQ(m.Position(), 200);
    EXPECT_FALSE(m.PointTo(60, 110, 10, 0));
    EXPECT_FALSE(m.PointTo(5, 20, 10, 10)); // no travel: nothing changes
    EXPECT_EQ(m.Percent(), 50);
    EXPECT_TRUE(m.PointTo(-40, 110, 10, 0));
    EXPECT_EQ(m.Percent(), 0);
    EXPECT_EQ(m.Position(), 0);
}

TEST(ScrollPercent, SetPercentClampsAndPlacesTheContent) {
    ScrollModel m;
    ASSERT_TRUE(m.SetRange(333));
    m.SetPercent(150);
    EXPECT_EQ(m.Percent(), 100);
    EXPECT_EQ(m.Position(), 333);
    m.SetPercent(-3);
    EXPECT_EQ(m.Percent(), 0);
    EXPECT_EQ(m.Position(), 0);
    m.SetPercent(10);
    EXPECT_EQ(m.Position(), 33);
}

TEST(ScrollWheel, OneNotchMovesTheContentTenPixelsAgainstTheDelta) {
    ScrollModel m;              // range 200
    EXPECT_FALSE(m.Wheel(120)); // already at the top
    EXPECT_TRUE(m.Wheel(-120));
    EXPECT_EQ(m.Position(), 10);
    EXPECT_EQ(m.Percent(), 5);
    EXPECT_TRUE(m.Wheel(-1)); // any delta is one step
    EXPECT_EQ(m.Position(), 20);
    EXPECT_TRUE(m.Wheel(240));
    EXPECT_EQ(m.Position(), 10);
    EXPECT_FALSE(m.Wheel(0));
    m.SetPercent(99); // position 198
    EXPECT_TRUE(m.Wheel(-120));
    EXPECT_EQ(m.Position(), 200);
    EXPECT_EQ(m.Percent(), 100);
    EXPECT_FALSE(m.Wheel(-120));
}

TEST(ScrollWheel, PercentIsTruncated) {
    ScrollModel m;
    ASSERT_TRUE(m.SetRange(300));
    EXPECT_TRUE(m.Wheel(-120));
    EXPECT_EQ(m.Position(), 10);
    EXPECT_EQ(m.Percent(), 3); // 3.33
}

} // namespace
} // namespace vimo
