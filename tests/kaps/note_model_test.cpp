// The note's document lines, reminder and the arithmetic of resizing and ringing.
#include <gtest/gtest.h>

#include "kapframe/resize_step.h"
#include "kaps/desk/note/note_model.h"

namespace vimo {
namespace {

NoteValues RoundTrip(const NoteValues& values) {
    KapHeader header{"20240101000000", false, "", false, values.alarm};
    DocumentWriter writer(header);
    writer.Int(1).Int(2).Int(3).Int(4);
    WriteNotePayload(writer, values);
    DocumentReader reader(writer.Text());
    for (int i = 0; i < 5; ++i) reader.NextString();
    NoteValues read;
    ReadNotePayload(reader, read);
    return read;
}

TEST(NoteDocument, PayloadLinesInOrderThenTheText) {
    NoteValues values;
    values.background = 3;
    values.fontName = "Courier New";
    values.fontSize = 16;
    values.fontStyle = "TXT_BOLD";
    values.fontColour = "BLUE";
    values.link = "C:\\docs\\Report.txt";
    values.text = "first";
    KapHeader header{"20240101000000", false, "", false, kNoAlarm};
    DocumentWriter writer(header);
    writer.Int(1).Int(2).Int(3).Int(4);
    WriteNotePayload(writer, values);
    EXPECT_EQ(
        writer.Text(),
        "A20240101000000UN00000000000000\n1\n2\n3\n4\n3\nCourier New\n16\nTXT_BOLD\nBLUE\nC:\\docs\\Report.txt\nfirst");
    const NoteValues read = RoundTrip(values);
    EXPECT_EQ(read.background, 3);
    EXPECT_EQ(read.fontName, "Courier New");
    EXPECT_EQ(read.fontSize, 16);
    EXPECT_EQ(read.fontStyle, "TXT_BOLD");
    EXPECT_EQ(read.fontColour, "BLUE");
    EXPECT_EQ(read.link, "C:\\docs\\Report.txt");
    EXPECT_EQ(read.text, "first");
}

TEST(NoteDocument, TextComesBackExactlyAsTyped) {
    for (const std::string& text :
         {std::string(""), std::string("a\r\nb"), std::string("tabs\there\r\n\r\n"), std::string("\r\n\r\nlead"),
          std::string("ends in breaks\r\n\r\n\r\n"), std::string(5000, 'x') + "\r\n" + std::string(3000, 'y'),
          std::string("high bytes \xe9\xe8\xfc\xa7 and \x01 control")}) {
        NoteValues values;
        values.text = text;
        EXPECT_EQ(RoundTrip(values).text, text);
    }
}

TEST(NoteDocument, BareCrAtTheEndsIsDroppedAndLinksStayOneLine) {
    NoteValues values;
    values.text = "\r\rabc\r\r";
    EXPECT_EQ(RoundTrip(values).text, "abc");
    values.text = "x";
    values.link = "dropped\r\ntext with\nbreaks";
    const NoteValues read = RoundTrip(values);
    EXPECT_EQ(read.link, "dropped  text with breaks");
    EXPECT_EQ(read.text, "x") << "a multi-line link must not spill into the text";
}

TEST(NoteDocument, DamagedValuesFallBackToDefaults) {
    DocumentReader reader("9\nComic Sans\n13\nTXT_FANCY\nGREEN\n");
    NoteValues read;
    ReadNotePayload(reader, read);
    EXPECT_EQ(read.background, 0);
    EXPECT_EQ(read.fontName, "Arial");
    EXPECT_EQ(read.fontSize, 12);
    EXPECT_EQ(read.fontStyle, "TXT_REGULAR");
    EXPECT_EQ(read.fontColour, "BLACK");
    EXPECT_EQ(read.link, "");
    EXPECT_EQ(read.text, "");
}

TEST(NoteLooks, ColoursStylesAndSizes) {
    EXPECT_EQ(NoteColour("RED").r, 255);
    EXPECT_EQ(NoteColour("BLUE").b, 255);
    EXPECT_EQ(NoteColour("WHITE").g, 255);
    EXPECT_EQ(NoteColour("BLACK").r + NoteColour("BLACK").g + NoteColour("BLACK").b, 0);
    EXPECT_EQ(NoteStyleType("TXT_ITALIC"), 1);
    EXPECT_EQ(NoteStyleType("TXT_BOLD"), 2);
    EXPECT_EQ(NoteStyleType("TXT_REGULAR"), 0);
    EXPECT_TRUE(IsNoteFontSize(20));
    EXPECT_FALSE(IsNoteFontSize(18));
}

TEST(NoteReminder, DisplayTitleAndDialogRoundTrip) {
    EXPECT_EQ(AlarmDisplay("20241231235900"), "31/12/2024 - 23:59:00");
    EXPECT_FALSE(HasAlarm(kNoAlarm));
    EXPECT_FALSE(HasAlarm("2024123123"));
    EXPECT_TRUE(HasAlarm("20241231235900"));
    EXPECT_EQ(LinkTitle("C:\\a\\b\\Report.txt"), "Report.txt");
    EXPECT_EQ(LinkTitle("plain text"), "plain text");

    const AlarmChoice choice = AlarmChoiceFromStamp("20240229071700");
    EXPECT_TRUE(choice.on);
    EXPECT_EQ(choice.year, 2024);
    EXPECT_EQ(choice.month, 2);
    EXPECT_EQ(choice.day, 29);
    EXPECT_EQ(choice.hourIndex, 7);
    EXPECT_EQ(choice.minuteIndex, 3);
    EXPECT_EQ(StampFromAlarmChoice(choice), "20240229071500");
    EXPECT_FALSE(AlarmChoiceFromStamp(kNoAlarm).on);
    EXPECT_FALSE(AlarmChoiceFromStamp("202402290717").on) << "another length opens with the alarm off";
    const AlarmChoice odd = AlarmChoiceFromStamp("20240229997700");
    EXPECT_EQ(odd.hourIndex, 0);
    EXPECT_EQ(odd.minuteIndex, 0);
    AlarmChoice off;
    EXPECT_EQ(StampFromAlarmChoice(off), kNoAlarm);
}

TEST(NoteResize, NeverBelowTheSkinSize) {
    EXPECT_EQ(ResizeStep(200, 190, 250, 200).size, 260);
    EXPECT_EQ(ResizeStep(200, 190, 250, 200).anchor, 250);
    const ResizeAxis shrink = ResizeStep(260, 250, 100, 200);
    EXPECT_EQ(shrink.size, 200);
    EXPECT_EQ(shrink.anchor, 250);
    EXPECT_TRUE(shrink.changed);
    const ResizeAxis atMinimum = ResizeStep(200, 250, 100, 200);
    EXPECT_EQ(atMinimum.size, 200);
    EXPECT_FALSE(atMinimum.changed);
    EXPECT_EQ(ResizeStep(200, 250, 250, 200).size, 200);
}

} // namespace
} // namespace vimo
