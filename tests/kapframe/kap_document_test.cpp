// The plain text of kap documents and new kap names.
#include <gtest/gtest.h>

#include <set>

#include "kapframe/kap_document.h"

namespace vimo {
namespace {

TEST(KapHeader, ComposesAndParsesByPosition) {
    KapHeader note{"20240131235959", true, "", false, "202402011200"};
    const std::string line = ComposeHeader(note);
    EXPECT_EQ(line, "A20240131235959LN202402011200");
    KapHeader read;
    ASSERT_TRUE(ParseHeader(line, 0, read));
    EXPECT_EQ(read.kapName, "20240131235959");
    EXPECT_TRUE(read.locked);
    EXPECT_FALSE(read.topMost);
    EXPECT_EQ(read.tail, "202402011200");

    KapHeader clock{"20240131235959", false, "C", true, ""};
    EXPECT_EQ(ComposeHeader(clock), "A20240131235959UCT");
    ASSERT_TRUE(ParseHeader("A20240131235959UCT", 1, read));
    EXPECT_EQ(read.typeLetters, "C");
    EXPECT_TRUE(read.topMost);
    EXPECT_FALSE(read.locked);
    EXPECT_EQ(read.tail, "");
}

TEST(KapHeader, UnusableAndShortLines) {
    KapHeader read;
    EXPECT_FALSE(ParseHeader("", 0, read));
    EXPECT_FALSE(ParseHeader("B20240131235959UN", 0, read));
    EXPECT_FALSE(ParseHeader("a20240131235959UN", 0, read));
    ASSERT_TRUE(ParseHeader("A2024", 1, read)) << "a short header still reads by position";
    EXPECT_EQ(read.kapName, "2024");
    EXPECT_FALSE(read.locked);
    EXPECT_FALSE(read.topMost);
    EXPECT_EQ(read.typeLetters, "");
}

TEST(LeadingInt, FollowsTheUsualDecimalRule) {
    EXPECT_EQ(ParseLeadingInt("42"), 42);
    EXPECT_EQ(ParseLeadingInt("-17"), -17);
    EXPECT_EQ(ParseLeadingInt("  +8px"), 8);
    EXPECT_EQ(ParseLeadingInt("12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("-"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseLeadingInt("300\r"), 300);
}

TEST(DocumentText, LinesJoinedByLfAndReadBack) {
    KapHeader header{"20240101000000", false, "", false, ""};
    const std::string text = DocumentWriter(header).Int(30).Int(-5).Int(200).Int(300).Line("").Line("last").Text();
    EXPECT_EQ(text, "A20240101000000UN\n30\n-5\n200\n300\n\nlast");
    DocumentReader reader(text);
    EXPECT_EQ(reader.NextString(), "A20240101000000UN");
    EXPECT_EQ(reader.NextInt(), 30);
    EXPECT_EQ(reader.NextInt(), -5);
    EXPECT_EQ(reader.NextInt(), 200);
    EXPECT_EQ(reader.NextInt(), 300);
    std::string line = "x";
    EXPECT_TRUE(reader.NextLine(line));
    EXPECT_EQ(line, "");
    EXPECT_EQ(reader.Rest(), "last");
    EXPECT_TRUE(reader.NextLine(line)) << "a last line without LF still counts";
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(reader.NextLine(line));
    EXPECT_EQ(reader.NextInt(), 0) << "missing lines read as 0";
}

TEST(KapName, UtcDigitsAndWaitingForAFreeName) {
    EXPECT_EQ(FormatKapName(0), "19700101000000");
    EXPECT_EQ(FormatKapName(1704067199), "20231231235959");

    std::time_t clock = 1704067199;
    std::set<std::string> existing;
    int waits = 0;
    auto make = [&] {
        return NewKapName([&] { return clock; }, [&](const std::string& n) { return existing.count(n) > 0; },
                          [&] {
                              ++waits;
                              if (waits % 3 == 0) ++clock; // the clock moves on after a few waits
                          });
    };
    const std::string first = make();
    existing.insert(first);
    const std::string second = make();
    EXPECT_EQ(first, "20231231235959");
    EXPECT_EQ(second, "20240101000000");
    EXPECT_EQ(waits, 3);
    EXPECT_TRUE(IsValidKapName(first));
}

TEST(KapName, OnlyFourteenDigitsNameAFile) {
    EXPECT_TRUE(IsValidKapName("20240101000000"));
    EXPECT_FALSE(IsValidKapName("2024010100000"));
    EXPECT_FALSE(IsValidKapName("202401010000000"));
    EXPECT_FALSE(IsValidKapName("..\\..\\windows1"));
    EXPECT_FALSE(IsValidKapName("2024010100000a"));
    EXPECT_FALSE(IsValidKapName(""));
}

} // namespace
} // namespace vimo
