#pragma once
// The account book's document lines and its export file: five lines a line of the book (date,
// label, "1" or "0" for the check mark, the out amount, the in amount; amounts as cent counts).
#include <cstddef>
#include <string>
#include <vector>

#include "kapframe/kap_document.h"
#include "kaps/desk/account/account_book.h"

namespace vimo {

struct AccountPayload {
    std::string name;
    std::string currency;
    std::vector<AccountLine> lines;
};

// The lines after the window rectangle: the account name, the currency, then the records.
void WriteAccountPayload(DocumentWriter& writer, const AccountPayload& payload);
// Reads records up to the first missing date line; an amount that is no number reads as 0.
void ReadAccountPayload(DocumentReader& reader, AccountPayload& payload);

// The export file: every record, each line ended by a line feed, and nothing else.
std::string AccountRecordsText(const std::vector<AccountLine>& lines);

// What an export file gives: its good records, and how many lines were not part of one. A record
// is five lines: a date that is a real day, a label of at most kMaxImportLabel characters without
// control characters, "0" or "1", and two whole numbers of cents, neither negative, within range. Where five lines
// are no record, the first is skipped and the search goes on at the next line.
struct AccountImport {
    std::vector<AccountLine> lines;
    std::size_t skippedLines = 0;
};
constexpr std::size_t kMaxImportLabel = 1000;
AccountImport ParseAccountRecords(const std::string& text);

} // namespace vimo
