// The dock's document text: what it writes, what it reads back, and damaged documents.
#include <gtest/gtest.h>

#include <string>

#include "bars/dock/dock_document.h"
#include "kapframe/base64.h"

namespace vimo {
namespace {

DockDocument TwoIcons() {
    DockDocument document;
    document.locked = true;
    document.rect = KapRect{-20, 35, 104, 68};
    document.icons.push_back(
        DockIcon{"KAP_NOTE", "C:\\VIMO\\SKIN\\DEFAULT\\VIMOREMOTEKAP\\KAP_NOTE.PNG", "None", "NULL", "New Note"});
    document.icons.push_back(DockIcon{"KAP_SHORTCUT", "C:\\pics\\ed.png", "User Shortcut",
                                      "\"C:\\Program Files\\Ed\\ed.exe\" -n file.txt", "Editor"});
    return document;
}

TEST(DockDocumentText, HeaderRectangleAndFiveLinesPerIconEachEndedByLf) {
    EXPECT_EQ(ComposeDockText(TwoIcons()),
              "AMAIN0000000000L\n-20\n35\n104\n68\n"
              "KAP_NOTE\nC:\\VIMO\\SKIN\\DEFAULT\\VIMOREMOTEKAP\\KAP_NOTE.PNG\nNone\nNULL\nNew Note\n"
              "KAP_SHORTCUT\nC:\\pics\\ed.png\nUser Shortcut\n\"C:\\Program Files\\Ed\\ed.exe\" -n file.txt\nEditor\n");
    DockDocument empty;
    empty.rect = KapRect{1, 2, 200, 100};
    EXPECT_EQ(ComposeDockText(empty), "AMAIN0000000000U\n1\n2\n200\n100\n");
}

TEST(DockDocumentText, ReadsBackWhatItWrote) {
    const DockDocument written = TwoIcons();
    const auto read = ParseDockText(ComposeDockText(written), KapRect{});
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->locked);
    EXPECT_EQ(read->rect.x, -20);
    EXPECT_EQ(read->rect.y, 35);
    EXPECT_EQ(read->rect.width, 104);
    EXPECT_EQ(read->rect.height, 68);
    EXPECT_EQ(read->icons, written.icons);

    DockDocument unlocked = written;
    unlocked.locked = false;
    const auto again = ParseDockText(ComposeDockText(unlocked), KapRect{});
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->locked);
}

TEST(DockDocumentText, SurvivesTheBase64FormOnDisk) {
    DockDocument document = TwoIcons();
    for (int i = 0; i < 40; ++i)
        document.icons.push_back(
            DockIcon{"KAP_CLOCK", "IMG" + std::to_string(i), "None", "NULL", "Clock " + std::to_string(i)});
    const std::string onDisk = EncodeDocumentBase64(ComposeDockText(document));
    const auto read = ParseDockText(DecodeDocumentBase64(onDisk), KapRect{});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->icons, document.icons);
}

TEST(DockDocumentText, ValuesCannotBreakTheLineStructure) {
    DockDocument document;
    document.icons.push_back(DockIcon{"KAP_SHORTCUT", "", "User Shortcut", "", "two\nlines\r\n"});
    document.icons.push_back(DockIcon{"KAP_CALC", "img", "None", "NULL", "New Calc"});
    const std::string text = ComposeDockText(document);
    const auto read = ParseDockText(text, KapRect{});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->icons.size(), 2u);
    EXPECT_EQ(read->icons[0].title, "two lines  ");
    EXPECT_EQ(read->icons[0].parameter, "NULL") << "an empty parameter is written as NULL";
    EXPECT_EQ(read->icons[0].image, "");
    EXPECT_EQ(read->icons[1], document.icons[1]);
}

TEST(DockDocumentText, UnusableFirstLine) {
    EXPECT_FALSE(ParseDockText("", KapRect{}));
    EXPECT_FALSE(ParseDockText("\n1\n2\n3\n4\n", KapRect{}));
    EXPECT_FALSE(ParseDockText("BMAIN0000000000U\n1\n2\n3\n4\n", KapRect{}));
    EXPECT_FALSE(ParseDockText("aMAIN0000000000U\n1\n2\n3\n4\n", KapRect{}));
    EXPECT_FALSE(ParseDockText(std::string("\0MAIN", 5), KapRect{}));
}

TEST(DockDocumentText, MissingLinesKeepTheFallbackAndBadNumbersReadAsZero) {
    const KapRect design{7, 8, 244, 144};
    auto onlyHeader = ParseDockText("AMAIN0000000000L", design);
    ASSERT_TRUE(onlyHeader);
    EXPECT_TRUE(onlyHeader->locked);
    EXPECT_EQ(onlyHeader->rect.x, 7);
    EXPECT_EQ(onlyHeader->rect.width, 244);
    EXPECT_EQ(onlyHeader->rect.height, 144);
    EXPECT_TRUE(onlyHeader->icons.empty());

    auto shortHeader = ParseDockText("A\n10\n", design);
    ASSERT_TRUE(shortHeader) << "a header of only the marker is still a document";
    EXPECT_FALSE(shortHeader->locked);
    EXPECT_EQ(shortHeader->rect.x, 10);
    EXPECT_EQ(shortHeader->rect.y, 8);
    EXPECT_EQ(shortHeader->rect.width, 244);

    auto bad = ParseDockText("AMAIN0000000000U\nleft\n-\n99999999999999\n12px\n", design);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->rect.x, 0);
    EXPECT_EQ(bad->rect.y, 0);
    EXPECT_EQ(bad->rect.width, 2147483647);
    EXPECT_EQ(bad->rect.height, 12);
}

TEST(DockDocumentText, CrLfLinesReadLikeLfLines) {
    const auto read = ParseDockText("AMAIN0000000000L\r\n5\r\n6\r\n104\r\n68\r\n"
                                    "KAP_NOTE\r\nimg\r\nNone\r\nNULL\r\nNew Note\r\n",
                                    KapRect{});
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->locked);
    EXPECT_EQ(read->rect.y, 6);
    ASSERT_EQ(read->icons.size(), 1u);
    EXPECT_EQ(read->icons[0], (DockIcon{"KAP_NOTE", "img", "None", "NULL", "New Note"}));
}

TEST(DockDocumentText, ATruncatedLastIconKeepsWhatItHas) {
    const auto read = ParseDockText("AMAIN0000000000U\n0\n0\n104\n68\n"
                                    "KAP_NOTE\nimg\nNone\nNULL\nNew Note\n"
                                    "KAP_SHORTCUT\nimg2\nMy Computer",
                                    KapRect{});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->icons.size(), 2u);
    EXPECT_EQ(read->icons[1], (DockIcon{"KAP_SHORTCUT", "img2", "My Computer", "", ""}));
}

TEST(DockDocumentText, IconsWithoutATypeAreSkippedWithoutShiftingTheOthers) {
    const auto read = ParseDockText("AMAIN0000000000U\n0\n0\n104\n68\n"
                                    "\nimg\nNone\nNULL\nlost\n"
                                    "KAP_CLOCK\nimg\nNone\nNULL\nNew Clock\n"
                                    "\n\n\n\n\n\n\n",
                                    KapRect{});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->icons.size(), 1u);
    EXPECT_EQ(read->icons[0].title, "New Clock");
}

TEST(DockDocumentText, IconsBeyondTheLimitAreIgnored) {
    std::string text = "AMAIN0000000000U\n0\n0\n104\n68\n";
    for (std::size_t i = 0; i < kMaxDockIcons + 50; ++i)
        text += "KAP_NOTE\nimg\nNone\nNULL\nN" + std::to_string(i) + "\n";
    const auto read = ParseDockText(text, KapRect{});
    ASSERT_TRUE(read);
    ASSERT_EQ(read->icons.size(), kMaxDockIcons);
    EXPECT_EQ(read->icons.back().title, "N" + std::to_string(kMaxDockIcons - 1));
}

TEST(DockDocumentText, ParameterPresence) {
    EXPECT_FALSE(HasDockParameter(""));
    EXPECT_FALSE(HasDockParameter("NULL"));
    EXPECT_FALSE(HasDockParameter("null"));
    EXPECT_TRUE(HasDockParameter("NULL.txt"));
    EXPECT_TRUE(HasDockParameter("C:\\x.lnk"));
}

} // namespace
} // namespace vimo
