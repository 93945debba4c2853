// The glide and circling arithmetic of a kap's alert.
#include <gtest/gtest.h>

#include "kapframe/alert_motion.h"

namespace vimo {
namespace {

TEST(AlertMotion, GlideAndCircle) {
    const ScreenPoint circle = AlertCentre(1024, 768, 200, 301);
    EXPECT_EQ(circle.x, 412);
    EXPECT_EQ(circle.y, 233 + 60);
    const ScreenPoint home{10, 700};
    EXPECT_EQ(GlidePoint(home, circle, 0, 100).x, 10);
    EXPECT_EQ(GlidePoint(home, circle, 50, 100).x, 211);
    EXPECT_EQ(GlidePoint(home, circle, 50, 100).y, 497) << "integer division truncates toward zero";
    EXPECT_EQ(GlidePoint(home, circle, 100, 100).y, circle.y);
    EXPECT_EQ(CirclingPosition(circle, 0).x, circle.x);
    EXPECT_EQ(CirclingPosition(circle, 0).y, circle.y) << "angle 0 sits on the circle point";
    EXPECT_EQ(CirclingPosition(circle, 180).x, circle.x + 60);
    EXPECT_EQ(CirclingPosition(circle, 180).y, circle.y - 60);
    EXPECT_EQ(CirclingPosition(circle, 360).y, circle.y - 120);
    EXPECT_EQ(CirclingPosition({0, 0}, 540).x, -60);
    EXPECT_EQ(CirclingPosition({100, 100}, 5).x, 102) << "2.5 degrees: 102.6, truncated";
    EXPECT_EQ(CirclingPosition({100, 100}, 715).x, 97) << "-2.5 degrees: 97.4, truncated";
}

} // namespace
} // namespace vimo
