// The mail alert's document lines and texts.
#include <gtest/gtest.h>

#include "kaps/net/mail/mail_model.h"

namespace vimo {
namespace {

TEST(MailModel, PayloadKeepsItsSixLinesAndEndsWithALineFeed) {
    KapHeader header;
    header.kapName = "20261209120000";
    DocumentWriter writer(header);
    MailValues values;
    values.intervalMinutes = 15;
    values.accountName = "Work";
    values.popServer = "pop.example.org";
    values.login = "anna";
    WriteMailPayload(writer, values, "{protected}AAAA");
    const std::string text = writer.Text();
    EXPECT_EQ(text.substr(text.find('\n') + 1), "15\nWork\n\npop.example.org\nanna\n{protected}AAAA\n");

    DocumentReader reader(text.substr(text.find('\n') + 1));
    MailValues read;
    std::string passwordLine;
    ReadMailPayload(reader, read, passwordLine);
    EXPECT_EQ(read.intervalMinutes, 15);
    EXPECT_EQ(read.popServer, "pop.example.org");
    EXPECT_EQ(read.login, "anna");
    EXPECT_EQ(passwordLine, "{protected}AAAA");
}

TEST(MailModel, CountTextsAndIntervals) {
    EXPECT_EQ(MailCountText(0), "0 Mail");
    EXPECT_EQ(MailCountText(1), "1 Mail");
    EXPECT_EQ(MailCountText(2), "2 Mails");
    EXPECT_EQ(UsableMailInterval(0), 1);
    EXPECT_EQ(UsableMailInterval(-5), 1);
    EXPECT_EQ(UsableMailInterval(1000000), 35791) << "the longest a timer counts";
    EXPECT_EQ(MailIntervalChoice(15), 15);
    EXPECT_EQ(MailIntervalChoice(7), 1);
}

TEST(MailModel, OnlyAMarkedBase64LineIsAProtectedPassword) {
    const char raw[] = "\x01\x00\xff\x10 protected bytes that run past one Base64 line of a document, and on";
    const std::string bytes(raw, sizeof(raw) - 1);
    const std::string line = ProtectedPasswordLine(bytes);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one line";
    std::string read;
    ASSERT_TRUE(ProtectedPasswordBytes(line, read));
    EXPECT_EQ(read, bytes);
    for (const char* typed : {"secret", "", "{protected}", "{protected}not base64!", "{protected}abc"})
        EXPECT_FALSE(ProtectedPasswordBytes(typed, read)) << typed;
}

} // namespace
} // namespace vimo
