// The account book's import of an export file: only good records come in (real days, labels without
// control characters, amounts neither negative nor beyond a line's range), every line of the file is
// either part of a record or counted as skipped, and what comes in exports and imports unchanged.
#include <algorithm>

#include "fuzz/fuzz_check.h"
#include "kaps/desk/account/account_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using fuzz::Require;
    const std::string text = fuzz::Text(data, size);
    const AccountImport imported = ParseAccountRecords(text);

    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Require(imported.lines.size() * 5 + imported.skippedLines <= lines, "no line counts twice");
    for (const AccountLine& line : imported.lines) {
        CalendarDate date;
        Require(ParseAccountDate(line.date, date), "an imported line has a real day");
        Require(line.out >= 0 && line.in >= 0, "no imported amount is negative");
        Require(line.out <= kMaxLineCents && line.in <= kMaxLineCents, "no imported amount passes a line's range");
        Require(line.label.size() <= kMaxImportLabel, "no imported label passes its length");
        Require(line.label.find_first_of("\r\n") == std::string::npos, "an imported label is one line");
    }

    const AccountImport again = ParseAccountRecords(AccountRecordsText(imported.lines));
    Require(again.lines == imported.lines && again.skippedLines == 0, "imported lines export and import unchanged");

    AccountBook book;
    book.Append(imported.lines);
    Require(std::is_sorted(book.Lines().begin(), book.Lines().end(),
                           [](const AccountLine& a, const AccountLine& b) { return a.date < b.date; }),
            "an import keeps the book in date order");
    return 0;
}
