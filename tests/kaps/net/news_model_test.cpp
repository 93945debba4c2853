// The RSS reader's document lines, dropped addresses and wheel arithmetic.
#include <gtest/gtest.h>

#include "kaps/net/news/news_model.h"
#include "layer/skin/skin_layout.h"

namespace vimo {
namespace {

TEST(NewsModel, PayloadKeepsAnyUsableIntervalAndTheAddress) {
    for (const auto& [line, expected] : {std::pair<std::string, int>{"1800000", 1800000},
                                         {"1234", 1234},
                                         {"0", kNewsInterval5Min},
                                         {"-5", kNewsInterval5Min},
                                         {"", kNewsInterval5Min}}) {
        DocumentReader reader(line + "\nhttp://example.org/Feed.xml?A=1");
        NewsValues values;
        ReadNewsPayload(reader, values);
        EXPECT_EQ(values.intervalMs, expected) << line;
        EXPECT_EQ(values.url, "http://example.org/Feed.xml?A=1");
    }
}

TEST(NewsModel, ADroppedTextGivesItsFirstLineTrimmed) {
    EXPECT_EQ(FeedAddressFromDrop("  http://a/b.xml \r\nsecond line"), "http://a/b.xml");
    EXPECT_EQ(FeedAddressFromDrop("\r\n"), "");
}

TEST(NewsModel, WheelMovesTwentyFourPixelsANotchWithinTheList) {
    EXPECT_EQ(ContenerWheelOrigin(0, -120, 300, 310), 0) << "the list fits";
    EXPECT_EQ(ContenerWheelOrigin(0, 120, 500, 310), 0);
    EXPECT_EQ(ContenerWheelOrigin(0, -120, 500, 310), -24);
    EXPECT_EQ(ContenerWheelOrigin(-180, -120, 500, 310), -190);
    EXPECT_EQ(ContenerWheelOrigin(-24, -7, 500, 310), -25) << "a fine wheel moves by its fifth, truncated";
}

} // namespace
} // namespace vimo
