// The account book's document: the common lines, the account's name and currency, then five lines a
// line of the book. Read and written back as the kap does, it must read back the same; the month of
// every line can be shown.
#include "fuzz/fuzz_check.h"
#include "kaps/desk/account/account_document.h"

namespace vimo::fuzz {
namespace {

struct ReadBook {
    CommonLines common;
    AccountPayload payload;
};

bool Read(const std::string& text, ReadBook& book) {
    DocumentReader reader(text);
    if (!ReadCommonLines(reader, 0, book.common)) return false;
    book.common.header.typeLetters.clear();
    book.common.header.tail.clear();
    ReadAccountPayload(reader, book.payload);
    return true;
}

std::string Write(const ReadBook& book) {
    DocumentWriter writer = WriteCommonLines(book.common);
    WriteAccountPayload(writer, book.payload);
    return writer.Text();
}

void ShowEveryMonth(const std::vector<AccountLine>& lines, const std::string& currency) {
    AccountBook book;
    book.Assign(lines);
    for (const AccountLine& line : book.Lines()) {
        CalendarDate date;
        if (!ParseAccountDate(line.date, date)) continue;
        const AccountMonth month = BuildAccountMonth(book.Lines(), YearMonth{date.year, date.month}, true);
        Require(!month.listed.empty(), "a line's own month lists it");
        for (std::size_t i = 0; i < month.listed.size(); ++i)
            Require(month.listed[i] < book.Size() && (i == 0 || month.listed[i - 1] < month.listed[i]),
                    "listed lines are lines of the book, in order");
        TotalsText(month, currency);
        BalanceText(month, currency);
    }
    for (const AccountLine& line : book.Lines()) {
        LineDayLabel(line);
        LineAmountText(line);
    }
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo::fuzz;
    ReadBook book;
    if (!Read(Text(data, size), book)) return 0;
    for (const vimo::AccountLine& line : book.payload.lines)
        Require(line.out >= -vimo::kMaxLineCents && line.out <= vimo::kMaxLineCents &&
                    line.in >= -vimo::kMaxLineCents && line.in <= vimo::kMaxLineCents,
                "a stored amount is within the range of a line");
    ShowEveryMonth(book.payload.lines, book.payload.currency);
    const std::string written = Write(book);
    ReadBook again;
    Require(Read(written, again) && Write(again) == written, "a written book reads back to the same text");
    Require(again.payload.lines.size() == book.payload.lines.size(), "every line of the book reads back");
    return 0;
}
