// Behaviour of the in-memory INI store. The expectations are those of the platform's
// private-profile functions, checked against them by ini_profile_store_win_test.cpp.
#include "support/ini_profile_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/ini_text.h"

namespace vimo {
namespace {

constexpr const char* kPath = "C:\\Data\\test.ini";

class IniStoreTest : public ::testing::Test {
protected:
    void Given(std::string text) { store_.SetFile(kPath, std::move(text)); }
    std::string Str(const std::string& section, const std::string& key, std::size_t size = 300) const {
        return store_.ReadString(kPath, section, key, "DEF", size);
    }
    int Int(const std::string& key, int def = 77) const { return store_.ReadInt(kPath, "S", key, def); }
    void Write(const std::string& section, const std::string& key, const std::string& value) {
        EXPECT_TRUE(store_.WriteString(kPath, section, key, value));
    }
    std::string Text() const { return store_.FileText(kPath); }

    MemoryProfileStore store_;
};

// --- finding sections and keys ---

TEST_F(IniStoreTest, NamesIgnoreLetterCaseAndSurroundingBlanks) {
    Given("[Sec]\r\n  Key  =  value  \r\n\tTabbed\t=\tx\t\r\n");
    EXPECT_EQ(Str("Sec", "Key"), "value");
    EXPECT_EQ(Str("SEC", "key"), "value");
    EXPECT_EQ(Str(" sec\t", "  KEY "), "value");
    EXPECT_EQ(Str("Sec", "tabbed"), "x");
}

TEST_F(IniStoreTest, FirstSectionOfANameIsTheOnlyOneSearched) {
    Given("[S]\r\nk=first\r\nk=second\r\n[T]\r\nt=1\r\n[s]\r\nk=third\r\nonly=later\r\n");
    EXPECT_EQ(Str("S", "k"), "first");
    EXPECT_EQ(Str("S", "only"), "DEF") << "a key of a repeated section is never found";
    EXPECT_EQ(Str("T", "t"), "1");
}

TEST_F(IniStoreTest, SectionHeaders) {
    Given("[ A ]\r\na=1\r\n  [B]  trailing\r\nb=2\r\n[C]x]\r\nc=3\r\n[D\r\nd=4\r\n");
    EXPECT_EQ(Str("A", "a"), "1") << "blanks inside the brackets are trimmed";
    EXPECT_EQ(Str("B", "b"), "2") << "text after the last ']' is ignored";
    EXPECT_EQ(Str("C]x", "c"), "3") << "the name ends at the last ']'";
    EXPECT_EQ(Str("C", "c"), "DEF");
    EXPECT_EQ(Str("C]x", "d"), "4") << "a '[' line without ']' is no header";
    EXPECT_EQ(Str("D", "d"), "DEF");
}

TEST_F(IniStoreTest, LinesBeforeTheFirstHeaderBelongToTheNamelessSection) {
    Given("top=1\r\n[S]\r\nk=2\r\n");
    EXPECT_EQ(Str("", "top"), "1");
    EXPECT_EQ(Str("S", "top"), "DEF");
}

TEST_F(IniStoreTest, LinesWithoutEqualsSignAndCommentsGiveNoValue) {
    Given("[S]\r\nk\r\nk=5\r\n;c=comment\r\nplain=a=b\r\n");
    EXPECT_EQ(Str("S", "k"), "DEF") << "a bare 'k' line hides the later 'k=5'";
    EXPECT_EQ(Str("S", "c"), "DEF");
    EXPECT_EQ(Str("S", ";c"), "comment") << "a comment is an ordinary line of the file format";
    EXPECT_EQ(Str("S", "plain"), "a=b") << "the key ends at the first '='";
}

TEST_F(IniStoreTest, LineEndings) {
    for (const char* text : {"[S]\r\na=1\r\nb=2\r\n", "[S]\na=1\nb=2", "[S]\ra=1\rb=2", "[S]\r\r\na=1\n\n\rb=2\r"}) {
        Given(text);
        EXPECT_EQ(Str("S", "a"), "1") << text;
        EXPECT_EQ(Str("S", "b"), "2") << text;
    }
}

TEST_F(IniStoreTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Str("S", "k"), "DEF");
    EXPECT_EQ(Int("k", -3), -3);
    Given("[S]\r\nk=1\r\n");
    EXPECT_EQ(Str("T", "k"), "DEF");
    EXPECT_EQ(Str("S", "j"), "DEF");
    EXPECT_EQ(Int("j", 12), 12);
}

// --- string values ---

TEST_F(IniStoreTest, MatchingOuterQuotesAreRemoved) {
    Given("[S]\r\nd=\"double\"\r\ns='single'\r\nm=\"mixed'\r\ne=\"\"\r\nq=\"\r\ni=a\"b\"\r\nsp=\" padded \"\r\n");
    EXPECT_EQ(Str("S", "d"), "double");
    EXPECT_EQ(Str("S", "s"), "single");
    EXPECT_EQ(Str("S", "m"), "\"mixed'");
    EXPECT_EQ(Str("S", "e"), "");
    EXPECT_EQ(Str("S", "q"), "\"");
    EXPECT_EQ(Str("S", "i"), "a\"b\"");
    EXPECT_EQ(Str("S", "sp"), " padded ");
}

TEST_F(IniStoreTest, ValuesAreCutToTheBuffer) {
    Given("[S]\r\nr=abcdef\r\nq=\"abcdef\"\r\n");
    EXPECT_EQ(Str("S", "r", 7), "abcdef");
    EXPECT_EQ(Str("S", "r", 6), "abcde");
    EXPECT_EQ(Str("S", "r", 1), "");
    EXPECT_EQ(Str("S", "r", 0), "");
    EXPECT_EQ(Str("S", "q", 8), "abcdef");
    // At exactly the length of the text after the opening quote the platform drops the closing
    // quote from a copy that was already cut one short: one character of content is lost.
    EXPECT_EQ(Str("S", "q", 7), "abcde");
    EXPECT_EQ(Str("S", "q", 6), "abcde");
    EXPECT_EQ(Str("S", "q", 5), "abcd");
}

TEST_F(IniStoreTest, LongValuesAreKeptWhole) {
    const std::string longValue(250, 'v');
    Given("[S]\r\nk=" + longValue + "\r\n");
    EXPECT_EQ(Str("S", "k", 1000), longValue);
    EXPECT_EQ(Str("S", "k", 98), std::string(97, 'v'));
}

TEST_F(IniStoreTest, DefaultLosesTrailingSpacesAndOuterQuotes) {
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", "ab  ", 300), "ab");
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", "ab\t", 300), "ab\t");
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", " lead", 300), " lead");
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", "   ", 300), " ");
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", "\"quoted\"", 300), "quoted");
    EXPECT_EQ(store_.ReadString(kPath, "S", "k", "abcdefgh", 4), "abc");
}

TEST_F(IniStoreTest, BlanksOfAllKindsAreTrimmed) {
    Given("[S]\r\na=\v1\v\r\nb=\f2\f\r\nc=\x1a"
          "3\x1a\r\n\x1a"
          "d=4\r\n");
    EXPECT_EQ(Str("S", "a"), "1");
    EXPECT_EQ(Str("S", "b"), "2");
    EXPECT_EQ(Str("S", "c"), "3");
    EXPECT_EQ(Str("S", "d"), "4");
}

// --- whole numbers ---

TEST_F(IniStoreTest, WholeNumbersAreReadLikeThePlatform) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12},
        {" 12", 12},
        {"+5", 5},
        {"-7", -7},
        {"12abc", 12},
        {"12.7", 12},
        {"1 2", 1},
        {"1e3", 1},
        {"abc", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"--3", 0},
        {"0x10", 16},
        {"-0x10", -16},
        {"0X10", 0},
        {"0x", 0},
        {"0xG", 0},
        {"0b101", 5},
        {"0o17", 15},
        {"010", 10},
        {"\"42\"", 42},
        {"\" 5\"", 5},
        {"'3'", 3},
        {"99999999999", 1215752191},
        {"4294967295", -1},
        {"2147483648", -2147483647 - 1},
        {"-2147483649", 2147483647},
        // Only the first 29 characters are read.
        {"123456789012345678901234567890123456789", 1849262357},
    };
    for (const auto& [text, expected] : cases) {
        Given(std::string("[S]\r\nk=") + text + "\r\n");
        EXPECT_EQ(Int("k"), expected) << text;
    }
}

TEST_F(IniStoreTest, EmptyWholeNumberGivesTheDefault) {
    Given("[S]\r\ne=\r\nq=\"\"\r\nb=   \r\nn\r\n");
    EXPECT_EQ(Int("e"), 77);
    EXPECT_EQ(Int("q"), 77);
    EXPECT_EQ(Int("b"), 77);
    EXPECT_EQ(Int("n"), 77);
}

// --- writing ---

TEST_F(IniStoreTest, WritingCreatesFileAndSections) {
    Write("S", "a", "1");
    EXPECT_TRUE(store_.HasFile(kPath));
    EXPECT_EQ(Text(), "[S]\r\na=1\r\n");
    Write("T", "b", "2");
    Write("s", "c", "3");
    EXPECT_EQ(Text(), "[S]\r\na=1\r\nc=3\r\n[T]\r\nb=2\r\n");
    EXPECT_EQ(Str("S", "c"), "3");
}

TEST_F(IniStoreTest, WritingReplacesTheFirstKeyAndRewritesTheWholeFile) {
    Given("; head\r\n\r\n[S]\r\n  k  =  v  \r\nK=second\r\nbare\r\n\r\n[T]\r\nx = 1\n[s]\r\nk=3");
    Write("s", "K", "new");
    EXPECT_EQ(Text(), "; head\r\n[S]\r\nk=new\r\nK=second\r\nbare\r\n[T]\r\nx=1\r\n[s]\r\nk=3\r\n");
}

TEST_F(IniStoreTest, WritingAKeyOfARepeatedSectionGoesToTheFirstOne) {
    Given("[S]\r\na=1\r\n[S]\r\nb=2\r\n");
    Write("S", "b", "3");
    EXPECT_EQ(Text(), "[S]\r\na=1\r\nb=3\r\n[S]\r\nb=2\r\n");
}

TEST_F(IniStoreTest, WritingABareKeyGivesItAValue) {
    Given("[S]\r\nk\r\nk=5");
    Write("S", "k", "6");
    EXPECT_EQ(Text(), "[S]\r\nk=6\r\nk=5\r\n");
}

TEST_F(IniStoreTest, WritingTheSameValueLeavesTheFileUntouched) {
    Given("[S]\r\n k = 5 ");
    Write("S", "K", "5");
    EXPECT_EQ(Text(), "[S]\r\n k = 5 ");
    Write("S", "K", "  5");
    EXPECT_EQ(Text(), "[S]\r\n k = 5 ") << "leading blanks of a written value are dropped";
    Write("S", "K", "5 ");
    EXPECT_EQ(Text(), "[S]\r\nk=5 \r\n");
    EXPECT_EQ(Str("S", "k"), "5") << "the trailing blank is not read back";
}

TEST_F(IniStoreTest, NewNamesKeepTrailingBlanksOnly) {
    Write(" T  ", " k  ", "v");
    EXPECT_EQ(Text(), "[T  ]\r\nk  =v\r\n");
    EXPECT_EQ(Str("T", "K"), "v");
}

TEST_F(IniStoreTest, EmptyValuesAndQuotesAreWrittenAsTheyStand) {
    Write("S", "e", "");
    Write("S", "q", "\"q\"");
    EXPECT_EQ(Text(), "[S]\r\ne=\r\nq=\"q\"\r\n");
    EXPECT_EQ(Str("S", "e"), "");
    EXPECT_EQ(Str("S", "q"), "q");
}

TEST_F(IniStoreTest, RepeatedNamelessLinesCollapse) {
    Given("[S]\r\n=1\r\n=2\r\nk=3\r\n=4\r\n");
    EXPECT_EQ(Str("S", ""), "1");
    Write("S", "k", "5");
    EXPECT_EQ(Text(), "[S]\r\n=1\r\nk=5\r\n=4\r\n");
}

// The store keeps a file parsed between writes; whatever is written, the file must come out as
// writing each key into the text would make it. Every write is followed by plain ones, which show
// whether the kept document still matches the text.
TEST(MemoryProfileStoreWrites, WritesGiveTheTextOfWritingEachKeyIntoTheText) {
    const char* texts[] = {"", "[b]\r\nk=1\r\n", "[S]\r\nk=1\r\n", "[a]\r\nx=1\r\n[]\r\ny=2\r\n",
                           "top\r\n[S]\r\n[y\r\n"};
    const char* sections[] = {"S", "", "a", "s ", " T", "[x", "a]b", "\r\n[Z]"};
    const char* keys[] = {"k", "y", "", "K ", " k", "=", "[y", "a=b", "k\r\nz"};
    const char* values[] = {"1", "", "1 ", "x]", "\r\n[S]\r\nk=9", "v=w"};
    for (const char* start : texts)
        for (const char* section : sections)
            for (const char* key : keys)
                for (const char* value : values)
                    for (int plain = 0; plain < 6; ++plain) {
                        const char* then[] = {sections[plain % 3], plain < 3 ? "k" : "", "2"};
                        MemoryProfileStore store;
                        store.SetFile(kPath, start);
                        store.WriteString(kPath, section, key, value);
                        store.WriteString(kPath, then[0], then[1], then[2]);
                        std::string expected = start;
                        SetIniValue(expected, section, key, value);
                        SetIniValue(expected, then[0], then[1], then[2]);
                        ASSERT_EQ(store.FileText(kPath), expected)
                            << start << " | " << section << " | " << key << " | " << value << " | then " << plain;
                    }
}

// --- the set of files ---

TEST(MemoryProfileStoreFiles, PathsIgnoreLetterCase) {
    MemoryProfileStore store;
    store.SetFile("C:\\Dir\\File.ini", "[S]\r\nk=1\r\n");
    EXPECT_TRUE(store.HasFile("c:\\dir\\FILE.INI"));
    EXPECT_TRUE(store.FileExists("C:\\DIR\\file.ini"));
    EXPECT_FALSE(store.FileExists("C:\\Dir\\Other.ini"));
    EXPECT_EQ(store.ReadInt("c:\\DIR\\file.INI", "S", "k", 0), 1);
    store.WriteString("C:\\DIR\\FILE.INI", "S", "k", "2");
    EXPECT_EQ(store.FileText("C:\\Dir\\File.ini"), "[S]\r\nk=2\r\n");
    store.RemoveFile("c:\\dir\\file.ini");
    EXPECT_FALSE(store.HasFile("C:\\Dir\\File.ini"));
    EXPECT_EQ(store.FileText("C:\\Dir\\File.ini"), "");
}

TEST(MemoryProfileStoreFiles, FilesAreIndependent) {
    MemoryProfileStore store;
    store.SetFile("a.ini", "[S]\r\nk=a\r\n");
    store.WriteString("b.ini", "S", "k", "b");
    EXPECT_EQ(store.ReadString("a.ini", "S", "k", "", 98), "a");
    EXPECT_EQ(store.ReadString("b.ini", "S", "k", "", 98), "b");
    store.SetFile("a.ini", "");
    EXPECT_TRUE(store.HasFile("a.ini"));
    EXPECT_EQ(store.ReadString("a.ini", "S", "k", "none", 98), "none");
}

} // namespace
} // namespace vimo
