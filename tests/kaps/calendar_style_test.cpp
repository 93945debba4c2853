// How the calendar's cells, title and buttons take their looks from the calendar skin.
#include <gtest/gtest.h>

#include <string>

#include "support/ini_profile_store.h"
#include "kapframe/settings.h"
#include "kaps/desk/calendar/cell_style.h"

namespace vimo {
namespace {

const std::string kDir = "C:\\VimoKap";
const std::string kSkinFile = kDir + "\\Skin\\Default\\VimoCalendar\\Skin.VimoCalendar";
const std::string kFolder = kDir + "\\Skin\\Default\\VimoCalendar\\";

// Every key a style reads has its own value, so that a key read in place of another shows.
const char* const kSkin = "[VimoCalendarSkin]\r\n"
                          "TitleFont=Tahoma\r\nTitleSize=15\r\nTitleType=3\r\n"
                          "TitleAlpha=201\r\nTitleRed=202\r\nTitleGreen=203\r\nTitleBlue=204\r\nTitleShadowed=0\r\n"
                          "BtnPrevFont=Verdana\r\nBtnPrevSize=9\r\nBtnPrevType=4\r\n"
                          "BtnPrevAlpha=11\r\nBtnPrevRed=12\r\nBtnPrevGreen=13\r\nBtnPrevBlue=14\r\n"
                          "BtnPrevShadowed=7\r\n"
                          "TextFont=Courier New\r\nTextSize=11\r\nTextType=1\r\n"
                          "TextAlpha=101\r\nTextRed=102\r\nTextGreen=103\r\nTextBlue=104\r\nTextShadowed=1\r\n"
                          "TodayFont=Georgia\r\nTodaySize=13\r\nTodayType=5\r\n"
                          "TodayAlpha=111\r\nTodayRed=112\r\nTodayGreen=113\r\nTodayBlue=114\r\nTodayShadowed=0\r\n"
                          "TodayRectAlpha=121\r\nTodayRectRed=122\r\nTodayRectGreen=123\r\nTodayRectBlue=124\r\n"
                          "TodayFrameSize=2\r\n"
                          "TodayFrameAlpha=131\r\nTodayFrameRed=132\r\nTodayFrameGreen=133\r\nTodayFrameBlue=134\r\n"
                          "TodayFileName=today.png\r\n"
                          "NoteFont=Impact\r\nNoteSize=17\r\nNoteType=0\r\n"
                          "NoteAlpha=141\r\nNoteRed=142\r\nNoteGreen=143\r\nNoteBlue=144\r\nNoteShadowed=1\r\n"
                          "NoteRectAlpha=151\r\nNoteRectRed=152\r\nNoteRectGreen=153\r\nNoteRectBlue=300\r\n"
                          "NoteFrameSize=3\r\n"
                          "NoteFrameAlpha=161\r\nNoteFrameRed=162\r\nNoteFrameGreen=163\r\nNoteFrameBlue=164\r\n"
                          "NoteFileName=marks\\note.png\r\n";

class CalendarStyleTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_.SetFile(kSkinFile, kSkin);
        settings_.Load(store_, kDir);
    }
    const SkinRecord& Skin() const { return settings_.skins.Skin(SkinType::Calendar); }

    MemoryProfileStore store_;
    Settings settings_;
};

void ExpectNothingBehind(const CellStyle& style, const char* what) {
    EXPECT_FALSE(style.background.Enabled()) << what;
    EXPECT_EQ(style.frameSize, 0) << what;
    EXPECT_EQ(style.image, "") << what;
}

TEST_F(CalendarStyleTest, DayLettersAreBoldOrdinaryTextWithNothingBehind) {
    const CellStyle letter = CellStyleOf(CellLook::DayLetter, Skin());
    EXPECT_EQ(letter.text.font, "COURIER NEW") << "skin strings are upper-cased";
    EXPECT_EQ(letter.text.size, 11);
    EXPECT_EQ(letter.text.type, 2) << "always bold, whatever TextType says";
    EXPECT_EQ(letter.text.colour, (LayerColour{101, 102, 103, 104}));
    EXPECT_TRUE(letter.text.shadowed);
    ExpectNothingBehind(letter, "day letter");

    const CellStyle day = CellStyleOf(CellLook::Day, Skin());
    EXPECT_EQ(day.text.font, "COURIER NEW");
    EXPECT_EQ(day.text.type, 1) << "ordinary days keep TextType";
    EXPECT_EQ(day.text.colour, (LayerColour{101, 102, 103, 104}));
    ExpectNothingBehind(day, "ordinary day");
}

TEST_F(CalendarStyleTest, TodayAndAlarmDaysHaveTheirOwnTextRectangleFrameAndImage) {
    const CellStyle today = CellStyleOf(CellLook::Today, Skin());
    EXPECT_EQ(today.text.font, "GEORGIA");
    EXPECT_EQ(today.text.size, 13);
    EXPECT_EQ(today.text.type, 5);
    EXPECT_EQ(today.text.colour, (LayerColour{111, 112, 113, 114}));
    EXPECT_FALSE(today.text.shadowed);
    EXPECT_EQ(today.background, (LayerColour{121, 122, 123, 124}));
    EXPECT_EQ(today.frameSize, 2);
    EXPECT_EQ(today.frame, (LayerColour{131, 132, 133, 134}));
    EXPECT_EQ(today.image, kFolder + "TODAY.PNG");

    const CellStyle alarm = CellStyleOf(CellLook::Alarm, Skin());
    EXPECT_EQ(alarm.text.font, "IMPACT");
    EXPECT_EQ(alarm.text.size, 17);
    EXPECT_EQ(alarm.text.type, 0);
    EXPECT_EQ(alarm.text.colour, (LayerColour{141, 142, 143, 144}));
    EXPECT_TRUE(alarm.text.shadowed);
    EXPECT_EQ(alarm.background, (LayerColour{151, 152, 153, 255})) << "components are clamped";
    EXPECT_EQ(alarm.frameSize, 3);
    EXPECT_EQ(alarm.frame, (LayerColour{161, 162, 163, 164}));
    EXPECT_EQ(alarm.image, kFolder + "MARKS\\NOTE.PNG");
}

TEST_F(CalendarStyleTest, BlankCellsAreArialSixteenInBlackWithNothingBehind) {
    for (CellLook look : {CellLook::Blank, CellLook::Keep}) {
        const CellStyle blank = CellStyleOf(look, Skin());
        EXPECT_EQ(blank.text.font, "Arial");
        EXPECT_EQ(blank.text.size, 16);
        EXPECT_EQ(blank.text.type, 0);
        EXPECT_EQ(blank.text.colour, (LayerColour{255, 0, 0, 0}));
        EXPECT_FALSE(blank.text.shadowed);
        ExpectNothingBehind(blank, "blank");
    }
}

TEST_F(CalendarStyleTest, TitleAndButtonsReadTheirOwnPrefix) {
    const LayerTextStyle title = Skin().TextStyle("Title");
    EXPECT_EQ(title.font, "TAHOMA");
    EXPECT_EQ(title.size, 15);
    EXPECT_EQ(title.type, 3);
    EXPECT_EQ(title.colour, (LayerColour{201, 202, 203, 204}));
    EXPECT_FALSE(title.shadowed);

    const LayerTextStyle previous = Skin().TextStyle("BtnPrev");
    EXPECT_EQ(previous.font, "VERDANA");
    EXPECT_EQ(previous.size, 9);
    EXPECT_EQ(previous.type, 4);
    EXPECT_EQ(previous.colour, (LayerColour{11, 12, 13, 14}));
    EXPECT_TRUE(previous.shadowed) << "any value but 0 turns the shadow on";

    const LayerTextStyle next = Skin().TextStyle("BtnNext");
    EXPECT_EQ(next.font, "ARIAL") << "the skin's default, upper-cased like every skin string";
    EXPECT_EQ(next.size, 100);
    EXPECT_EQ(next.colour, (LayerColour{100, 100, 100, 100}));
    EXPECT_TRUE(next.shadowed);
}

} // namespace
} // namespace vimo
