// Edge snapping against every task bar position.
#include <gtest/gtest.h>

#include "kapframe/edge_snap.h"

namespace vimo {
namespace {

constexpr int W = 1024, H = 768;

TEST(TaskbarReserves, EveryPosition) {
    EXPECT_EQ(TaskbarReserves(std::nullopt, W).bottom, 0);
    const EdgeReserves bottom = TaskbarReserves(ScreenRect{0, 738, 1024, 768}, W);
    EXPECT_EQ(bottom.bottom, 30);
    EXPECT_EQ(bottom.left + bottom.top + bottom.right, 0);
    const EdgeReserves top = TaskbarReserves(ScreenRect{0, 0, 1024, 30}, W);
    EXPECT_EQ(top.top, 30);
    EXPECT_EQ(top.left + top.bottom + top.right, 0);
    const EdgeReserves left = TaskbarReserves(ScreenRect{0, 0, 60, 768}, W);
    EXPECT_EQ(left.left, 60);
    EXPECT_EQ(left.top + left.bottom + left.right, 0);
    const EdgeReserves right = TaskbarReserves(ScreenRect{964, 0, 1024, 768}, W);
    EXPECT_EQ(right.right, 60);
    EXPECT_EQ(right.top + right.bottom + right.left, 0);
    // A bar pushed off the top-left corner still counts by its position.
    EXPECT_EQ(TaskbarReserves(ScreenRect{-2, -2, 1026, 30}, W).top, 32);
    EXPECT_EQ(TaskbarReserves(ScreenRect{-2, 740, 1026, 770}, W).bottom, 30);
}

TEST(EdgeSnap, WithinFifteenPixelsLandsOnTheEdge) {
    const EdgeReserves none;
    auto snap = [&](int x, int y) { return SnapToEdges(x, y, 200, 300, W, H, none); };
    EXPECT_EQ(snap(15, 100).x, 0);
    EXPECT_EQ(snap(-15, 100).x, 0);
    EXPECT_EQ(snap(16, 100).x, 16);
    EXPECT_EQ(snap(100, 15).y, 0);
    EXPECT_EQ(snap(100, -15).y, 0);
    EXPECT_EQ(snap(100, -16).y, -16) << "the window is not otherwise kept on the screen";
    EXPECT_EQ(snap(1024 - 200 - 15, 100).x, 824);
    EXPECT_EQ(snap(1024 - 200 + 15, 100).x, 824);
    EXPECT_EQ(snap(1024 - 200 + 16, 100).x, 840);
    EXPECT_EQ(snap(100, 768 - 300 + 15).y, 468);
    EXPECT_EQ(snap(100, 400).y, 400);
}

TEST(EdgeSnap, TaskbarInnerEdgeAndRightWinsOverLeft) {
    const EdgeReserves bottom = TaskbarReserves(ScreenRect{0, 738, 1024, 768}, W);
    EXPECT_EQ(SnapToEdges(100, 768 - 30 - 300 + 10, 200, 300, W, H, bottom).y, 438);
    EXPECT_EQ(SnapToEdges(100, 768 - 300 + 5, 200, 300, W, H, bottom).y, 473) << "beyond the bar's band: unchanged";
    const EdgeReserves left = TaskbarReserves(ScreenRect{0, 0, 60, 768}, W);
    EXPECT_EQ(SnapToEdges(70, 100, 200, 300, W, H, left).x, 60);
    // A window as wide as the screen reaches both bands: it ends at the right edge.
    EXPECT_EQ(SnapToEdges(5, 100, 1020, 300, W, H, EdgeReserves{}).x, 4);
}

} // namespace
} // namespace vimo
