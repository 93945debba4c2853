// The media player remote's position and title texts.
#include <gtest/gtest.h>

#include <limits>

#include "kaps/media/media_text.h"
#include "kaps/media/play_state.h"

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

TEST(MediaPlayState, ReportedStatesSetTheFlagsAndTheFirstMenuEntryFollowsThem) {
    PlayFlags flags;
    EXPECT_STREQ(FirstEntryFor(flags).label, "Play / Pause");
    EXPECT_FALSE(FirstEntryFor(flags).checked);
    ASSERT_TRUE(flags.TakeReported(3));
    EXPECT_STREQ(FirstEntryFor(flags).label, "Pause / Play");
    EXPECT_TRUE(FirstEntryFor(flags).pauses && FirstEntryFor(flags).checked);
    ASSERT_TRUE(flags.TakeReported(2));
    EXPECT_STREQ(FirstEntryFor(flags).label, "Play / Pause");
    EXPECT_TRUE(FirstEntryFor(flags).checked) << "checked while paused";
    ASSERT_TRUE(flags.TakeReported(4));
    EXPECT_TRUE(flags.Moving());
    EXPECT_FALSE(flags.ShowsPause());
    EXPECT_FALSE(flags.TakeReported(9)); // preparing: nothing changes
    EXPECT_TRUE(flags.fast);
    ASSERT_TRUE(flags.TakeReported(1));
    EXPECT_FALSE(flags.playing || flags.paused || flags.fast);
}

} // namespace
} // namespace vimo
