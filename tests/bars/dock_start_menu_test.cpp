// Where the dock puts the start menu and the positions it slides through.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "bars/dock/dock_start_menu.h"

namespace vimo {
namespace {

TEST(StartMenuTarget, AtThePointerUnlessItWouldPassTheRightOrBottomEdge) {
    EXPECT_EQ(StartMenuTarget({100, 50}, 300, 400, 1024, 768), (DockPoint{100, 50}));
    EXPECT_EQ(StartMenuTarget({900, 50}, 300, 400, 1024, 768), (DockPoint{724, 50}));
    EXPECT_EQ(StartMenuTarget({100, 500}, 300, 400, 1024, 768), (DockPoint{100, 368}));
    EXPECT_EQ(StartMenuTarget({1023, 767}, 300, 400, 1024, 768), (DockPoint{724, 368}));
    EXPECT_EQ(StartMenuTarget({724, 368}, 300, 400, 1024, 768), (DockPoint{724, 368})) << "ending exactly on the edge";
}

TEST(StartMenuSlide, AtLeastThreeStepsThenTheTarget) {
    const std::vector<DockPoint> path = StartMenuSlide({0, 0}, {30, -9});
    const std::vector<DockPoint> expected = {{0, 0}, {10, -3}, {20, -6}, {30, -9}};
    EXPECT_EQ(path, expected);

    const std::vector<DockPoint> still = StartMenuSlide({5, 5}, {5, 5});
    EXPECT_EQ(still, (std::vector<DockPoint>{{5, 5}, {5, 5}, {5, 5}, {5, 5}}));
}

TEST(StartMenuSlide, StepCountGrowsWithTheRootOfTheDistance) {
    // d = 1000: trunc(0.2 * sqrt(1000)) = 6 steps.
    const std::vector<DockPoint> path = StartMenuSlide({0, 700}, {600, -100});
    ASSERT_EQ(path.size(), 7u);
    EXPECT_EQ(path[0], (DockPoint{0, 700}));
    EXPECT_EQ(path[1], (DockPoint{100, 567})) << "700 + (-800 * 1) / 6, division toward zero";
    EXPECT_EQ(path[5], (DockPoint{500, 34}));
    EXPECT_EQ(path.back(), (DockPoint{600, -100}));

    // d = 624 (not 625): the whole-pixel distance gives trunc(0.2 * 24.98) = 4 steps; d = 625 gives 5.
    EXPECT_EQ(StartMenuSlide({0, 0}, {624, 0}).size(), 5u);
    EXPECT_EQ(StartMenuSlide({0, 0}, {625, 0}).size(), 6u);
    EXPECT_EQ(StartMenuSlide({0, 0}, {400, 300}).size(), 5u) << "d = 500: 4.47 -> 4 steps";
}

TEST(StartMenuSlide, ExtremePositionsStayInRange) {
    const std::vector<DockPoint> path = StartMenuSlide({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX});
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(path.front(), (DockPoint{INT_MIN, INT_MIN}));
    EXPECT_EQ(path.back(), (DockPoint{INT_MAX, INT_MAX}));
    for (std::size_t i = 1; i < path.size(); ++i) EXPECT_GE(path[i].x, path[i - 1].x);
}

} // namespace
} // namespace vimo
