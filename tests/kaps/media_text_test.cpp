// The media player remote's position and title texts.
#include <gtest/gtest.h>

#include <limits>

#include "kaps/media/media_text.h"

namespace vimo {
namespace {

TEST(MediaText, PositionsArePaddedToHoursMinutesSeconds) {
    EXPECT_EQ(PaddedPosition("12:34"), "00:12:34");
    EXPECT_EQ(PaddedPosition("1:02:03"), "01:02:03");
    EXPECT_EQ(PaddedPosition("1:23"), "00:01:23");
    EXPECT_EQ(PaddedPosition(""), "00:00:00");
    EXPECT_EQ(PaddedPosition("100:02:03"), "100:02:03");
    EXPECT_EQ(PaddedPosition(PositionFromSeconds(83.9)), "00:01:23");
    EXPECT_EQ(PaddedPosition(PositionFromSeconds(3723)), "01:02:03");
    EXPECT_EQ(PositionFromSeconds(-1), "0:00");
    EXPECT_EQ(PositionFromSeconds(std::numeric_limits<double>::quiet_NaN()), "0:00");
    EXPECT_EQ(MediaTitle("Song", "03:12"), "Song (03:12)");
    EXPECT_EQ(MediaTitle("Song", ""), "Song");
}

} // namespace
} // namespace vimo
