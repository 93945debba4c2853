// Stored kap rectangles held to the screens: sizes, kaps off every monitor, hostile values.
#include <gtest/gtest.h>

#include <climits>

#include "kapframe/kap_placement.h"

namespace vimo {
namespace {

const ScreenRect kVirtual{0, 0, 2944, 1080};
// A 1920 x 1080 monitor with a task bar at the bottom, and a 1024 x 768 one to its right.
const std::vector<ScreenRect> kAreas{{0, 0, 1920, 1040}, {1920, 0, 2944, 768}};

KapRect Place(KapRect r) { return PlaceOnScreen(r, 50, 40, kVirtual, kAreas, NearestArea(r, kAreas)); }

TEST(KapPlacement, AKapOnAScreenStaysWhereItIs) {
    const KapRect r = Place(KapRect{100, 200, 220, 240});
    EXPECT_EQ(r.x, 100);
    EXPECT_EQ(r.y, 200);
    EXPECT_EQ(r.width, 220);
    EXPECT_EQ(r.height, 240);
    // Partly off the screen is still reachable: it is left alone.
    EXPECT_EQ(Place(KapRect{-100, -20, 220, 240}).x, -100);
}

TEST(KapPlacement, SizesAreHeldBetweenTheSmallestSizeAndTheVirtualScreen) {
    const KapRect huge = Place(KapRect{30, 30, INT_MAX, INT_MAX});
    EXPECT_EQ(huge.width, 2944);
    EXPECT_EQ(huge.height, 1080);
    const KapRect negative = Place(KapRect{30, 30, -500, 0});
    EXPECT_EQ(negative.width, 50);
    EXPECT_EQ(negative.height, 40);
}

TEST(KapPlacement, AKapOffEveryMonitorComesOntoTheNearestWorkArea) {
    // Where a third monitor to the right used to be.
    KapRect r = Place(KapRect{3500, 300, 220, 240});
    EXPECT_EQ(r.x, 2944 - 220);
    EXPECT_EQ(r.y, 300);
    // Below the second monitor, which ends at 768.
    r = Place(KapRect{2000, 900, 220, 240});
    EXPECT_EQ(r.x, 2000);
    EXPECT_EQ(r.y, 768 - 240);
    // Far off, with a negative size: the smallest size, inside the first monitor.
    r = Place(KapRect{INT_MIN, INT_MIN, -7, -7});
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.width, 50);
    r = Place(KapRect{INT_MAX, INT_MAX, INT_MAX, INT_MAX});
    EXPECT_EQ(r.x, 1920) << "as large as the virtual screen, it keeps its corner in the nearest area";
    EXPECT_EQ(r.y, 0);
}

} // namespace
} // namespace vimo

namespace vimo {
namespace {

TEST(KapPlacement, ANewKapCascadesPastTheBarsAndTheKapsItWouldCoverAndWrapsInTheWorkArea) {
    const ScreenRect area{0, 0, 1024, 738};
    const KapRect wanted{30, 30, 200, 150};
    EXPECT_EQ(PlaceNewKap(wanted, area, {}, {}).x, 30);
    // The dock along the left edge, 100 wide: the first free step is the one past its right edge.
    const KapRect pastDock = PlaceNewKap(wanted, area, {ScreenRect{0, 0, 100, 738}}, {});
    EXPECT_EQ(pastDock.x, 30 + 3 * kCascadeStep);
    EXPECT_EQ(pastDock.y, 30 + 3 * kCascadeStep);
    // Two kaps made one after the other: the second a step on from the first.
    const KapRect second = PlaceNewKap(wanted, area, {}, {ScreenRect{30, 30, 230, 180}});
    EXPECT_EQ(second.x, 54);
    // Near the bottom right the steps wrap to the work area's start on each axis.
    const KapRect wrapped = PlaceNewKap(KapRect{800, 570, 200, 150}, area, {}, {ScreenRect{800, 570, 1000, 720}});
    EXPECT_EQ(wrapped.x, 824);
    EXPECT_EQ(wrapped.y, 0);
    // Nowhere free: the wanted place.
    EXPECT_EQ(PlaceNewKap(wanted, area, {ScreenRect{0, 0, 1024, 738}}, {}).x, 30);
}

} // namespace
} // namespace vimo
