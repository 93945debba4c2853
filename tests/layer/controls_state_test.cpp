// Portable state of the layered controls: the pointer's stay over a control and the renewal delay
// of a window tile.
#include <gtest/gtest.h>

#include "layer/controls/control_state.h"

namespace vimo {
namespace {

TEST(PointerStay, RepeatedAndOutsidePositionsAreIgnored) {
    PointerStay s;
    EXPECT_TRUE(s.Accept(0, 0, 40, 20));
    EXPECT_FALSE(s.HasPrevious());
    EXPECT_FALSE(s.Accept(0, 0, 40, 20));
    EXPECT_TRUE(s.Accept(39, 19, 40, 20));
    EXPECT_TRUE(s.HasPrevious());
    EXPECT_EQ(s.PreviousX(), 0);
    EXPECT_EQ(s.PreviousY(), 0);
    EXPECT_FALSE(s.Accept(40, 5, 40, 20));
    EXPECT_FALSE(s.Accept(5, 20, 40, 20));
    EXPECT_FALSE(s.Accept(-1, 5, 40, 20));
    EXPECT_FALSE(s.Accept(5, -1, 40, 20));
    // Refused positions leave the last and the previous one as they were.
    EXPECT_EQ(s.X(), 39);
    EXPECT_EQ(s.Y(), 19);
    EXPECT_EQ(s.PreviousX(), 0);
    EXPECT_TRUE(s.Accept(39, 18, 40, 20));
    EXPECT_EQ(s.PreviousX(), 39);
    EXPECT_EQ(s.PreviousY(), 19);
}

TEST(PointerStay, EnterOncePerStayLeaveOnlyAfterAnEnter) {
    PointerStay s;
    EXPECT_FALSE(s.TakeEnter(false)); // no enter message set: nothing to post, nothing remembered
    EXPECT_FALSE(s.TakeLeave(true));
    EXPECT_TRUE(s.TakeEnter(true));
    EXPECT_FALSE(s.TakeEnter(true));
    EXPECT_TRUE(s.TakeLeave(true));
    EXPECT_FALSE(s.TakeLeave(true));
    EXPECT_TRUE(s.TakeEnter(true)); // a new stay
    EXPECT_FALSE(s.TakeLeave(false));
    EXPECT_FALSE(s.EnterPosted()); // the stay ended even without a leave message
    EXPECT_TRUE(s.TakeEnter(true));
}

TEST(RenewalDelay, SecondsClampedToOneToSixtyWhenOnNoneWhenOff) {
    EXPECT_EQ(RenewalDelayMs(true, 5), 5000);
    EXPECT_EQ(RenewalDelayMs(true, 0), 1000);
    EXPECT_EQ(RenewalDelayMs(true, -7), 1000);
    EXPECT_EQ(RenewalDelayMs(true, 60), 60000);
    EXPECT_EQ(RenewalDelayMs(true, 61), 60000);
    EXPECT_EQ(RenewalDelayMs(false, 5), 0);
}

} // namespace
} // namespace vimo
