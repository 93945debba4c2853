// The account book's money, month view, document lines and export records.
#include <gtest/gtest.h>

#include "kaps/desk/account/account_document.h"

namespace vimo {
namespace {

AccountLine Line(const std::string& date, const std::string& label, Cents out, Cents in, bool checked = false) {
    return AccountLine{date, label, checked, out, in};
}

TEST(AccountMoney, TypedAmountsAreExactWholeCents) {
    EXPECT_EQ(CentsFromTyped("1.23"), 123);
    EXPECT_EQ(CentsFromTyped("12"), 1200);
    EXPECT_EQ(CentsFromTyped("0.05"), 5);
    EXPECT_EQ(CentsFromTyped("0.29"), 29); // 0.29 x 100 is 28.999... in binary
    EXPECT_EQ(CentsFromTyped("1.239"), 123);
    EXPECT_EQ(CentsFromTyped(".5"), 50);
    EXPECT_EQ(CentsFromTyped("-1.5"), -150);
    EXPECT_EQ(CentsFromTyped("abc"), 0);
    EXPECT_EQ(CentsFromTyped("999999999999999"), 99'999'999'999'999'900);
    EXPECT_EQ(CentsFromTyped("99999999999999999999"), kMaxLineCents);

    EXPECT_EQ(AmountText(1234), "12.34");
    EXPECT_EQ(AmountText(5), "0.05");
    EXPECT_EQ(AmountText(1200), "12.00");
    EXPECT_EQ(AmountText(-5), "-0.05");
    EXPECT_EQ(AmountText(0), "0.00");
    EXPECT_EQ(AmountText(AddCents(kMaxLineCents * 60, kMaxLineCents * 60)), "92233720368547758.07");
}

TEST(AccountMoney, AmountFieldKeepsDigitsAndTheFirstPointWithTheCaret) {
    std::size_t caret = 5;
    EXPECT_EQ(FilterAmountField("1.2.3", caret), "1.23");
    EXPECT_EQ(caret, 4u);
    caret = 3; // just after the letter
    EXPECT_EQ(FilterAmountField("12a3", caret), "123");
    EXPECT_EQ(caret, 2u);
    caret = 0;
    EXPECT_EQ(FilterAmountField("-4,5e1", caret), "451");
    EXPECT_EQ(caret, 0u);
}

TEST(AccountBook, NewLinesFollowTheirDateAndTheMonthViewCountsUpToItsMonth) {
    AccountBook book;
    book.Add(Line("20250305", "rent", 82000, 0));
    book.Add(Line("20250301", "salary", 0, 245000, true));
    book.Add(Line("20250410", "later", 100, 0));
    book.Add(Line("20250305", "groceries", 6430, 0));
    book.Add(Line("20250220", "earlier", 5, 0));
    ASSERT_EQ(book.Size(), 5u);
    EXPECT_EQ(book.Lines()[2].label, "rent");
    EXPECT_EQ(book.Lines()[3].label, "groceries"); // after the line of its date already there

    AccountMonth march = BuildAccountMonth(book.Lines(), YearMonth{2025, 3}, false);
    EXPECT_EQ(march.balance, 245000 - 82000 - 6430 - 5); // April's line is not in March's balance
    EXPECT_EQ(march.monthIn, 245000);                    // the checked salary counts ...
    EXPECT_EQ(march.monthOut, 82000 + 6430);
    EXPECT_EQ(march.listed, (std::vector<std::size_t>{2, 3})); // ... but is not listed
    EXPECT_EQ(BuildAccountMonth(book.Lines(), YearMonth{2025, 3}, true).listed.size(), 3u);
    EXPECT_EQ(TotalsText(march, " EUR"), "(+):2450.00 EUR (-):884.30 EUR");
    EXPECT_EQ(BalanceText(BuildAccountMonth(book.Lines(), YearMonth{2025, 2}, false), "$"), "-0.05$");
    EXPECT_EQ(LineDayLabel(book.Lines()[2]), "05 : rent");
    EXPECT_EQ(LineAmountText(book.Lines()[2]), "- 820.00");

    ASSERT_TRUE(book.Replace(0, Line("20250501", "moved", 5, 0)));
    EXPECT_EQ(book.Lines().back().label, "moved");
    EXPECT_FALSE(book.Remove(9));
}

TEST(AccountDocument, PayloadAndExportRoundTripEveryLineExactly) {
    AccountPayload payload{"Household",
                           "EUR",
                           {Line("20250101", "a", 0, 1), Line("20250102", "b", kMaxLineCents, 0, true),
                            Line("20250103", "c\nwrapped", 123456789012345, 0)}};
    DocumentWriter writer(KapHeader{"20250101000000", false, "", false, ""});
    WriteAccountPayload(writer, payload);
    DocumentReader reader(writer.Text());
    reader.NextString();
    AccountPayload read;
    ReadAccountPayload(reader, read);
    EXPECT_EQ(read.name, "Household");
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[1], payload.lines[1]);
    EXPECT_EQ(read.lines[2].label, "c wrapped");

    payload.lines[2].label = "c";
    const AccountImport imported = ParseAccountRecords(AccountRecordsText(payload.lines));
    EXPECT_EQ(imported.lines, payload.lines);
    EXPECT_EQ(imported.skippedLines, 0u);

    // A damaged document: an amount that is no number reads as 0, a record cut short ends it.
    DocumentReader damaged("N\nC\n20250101\nx\n1\n12abc\nnan\n20250102\ny");
    ReadAccountPayload(damaged, read);
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[0], Line("20250101", "x", 12, 0, true));
    EXPECT_EQ(read.lines[1], Line("20250102", "y", 0, 0));
}

TEST(AccountDocument, ImportSkipsWhatIsNoRecordAndFindsTheNextOne) {
    const std::string text = "20250101\r\nok\r\n0\r\n100\r\n0\r\n"
                             "stray line\n"
                             "20250230\nno such day\n0\n1\n0\n"
                             "20250102\nfloat\n0\n1.5\n0\n"
                             "20250103\nhuge\n0\n999999999999999999999\n0\n"
                             "20250104\nnegative zero check\n2\n0\n0\n"
                             "20250105\nnegative\n1\n0\n-7\n"
                             "20250106\ncut\n\n\n";
    const AccountImport imported = ParseAccountRecords(text);
    ASSERT_EQ(imported.lines.size(), 1u);
    EXPECT_EQ(imported.lines[0], Line("20250101", "ok", 100, 0));
    EXPECT_EQ(imported.skippedLines, 1u + 5 + 5 + 5 + 5 + 5 + 2) << "a negative amount is no record either";
}

} // namespace
} // namespace vimo
