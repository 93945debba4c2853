#include "kaps/desk/account/account_document.h"

#include "base/text_util.h"

namespace vimo {

namespace {

void AppendRecord(std::vector<std::string>& out, const AccountLine& line) {
    out.push_back(OneLine(line.date));
    out.push_back(OneLine(line.label));
    out.push_back(line.checked ? "1" : "0");
    out.push_back(StoredCents(line.out));
    out.push_back(StoredCents(line.in));
}

std::string WithoutCr(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool LabelAcceptable(const std::string& label) {
    if (label.size() > kMaxImportLabel) return false;
    for (const char c : label)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return false;
    return true;
}

bool RecordAcceptable(const std::string* field, AccountLine& line) {
    CalendarDate date;
    if (!ParseAccountDate(field[0], date) || !LabelAcceptable(field[1])) return false;
    if (field[2] != "0" && field[2] != "1") return false;
    // The program never writes a negative amount: such a line would count without being shown.
    if (!ParseStoredCents(field[3], line.out) || !ParseStoredCents(field[4], line.in) || line.out < 0 || line.in < 0)
        return false;
    line.date = field[0];
    line.label = field[1];
    line.checked = field[2] == "1";
    return true;
}

} // namespace

void WriteAccountPayload(DocumentWriter& writer, const AccountPayload& payload) {
    writer.Line(OneLine(payload.name)).Line(OneLine(payload.currency));
    std::vector<std::string> lines;
    lines.reserve(payload.lines.size() * 5);
    for (const AccountLine& line : payload.lines) AppendRecord(lines, line);
    for (const std::string& line : lines) writer.Line(line);
}

void ReadAccountPayload(DocumentReader& reader, AccountPayload& payload) {
    payload.name = reader.NextString();
    payload.currency = reader.NextString();
    payload.lines.clear();
    for (std::string date; reader.NextLine(date);) {
        AccountLine line;
        line.date = date;
        line.label = reader.NextString();
        line.checked = ParseLeadingInt(reader.NextString()) != 0;
        line.out = CentsFromStored(reader.NextString());
        line.in = CentsFromStored(reader.NextString());
        payload.lines.push_back(std::move(line));
    }
}

std::string AccountRecordsText(const std::vector<AccountLine>& lines) {
    std::vector<std::string> fields;
    fields.reserve(lines.size() * 5);
    for (const AccountLine& line : lines) AppendRecord(fields, line);
    std::string text;
    for (const std::string& field : fields) text += field + "\n";
    return text;
}

AccountImport ParseAccountRecords(const std::string& text) {
    std::vector<std::string> lines;
    DocumentReader reader(text);
    for (std::string line; reader.NextLine(line);) lines.push_back(WithoutCr(std::move(line)));
    // Blank lines after the last record are an editor's leftovers.
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos) lines.pop_back();
    AccountImport result;
    std::size_t i = 0;
    while (i < lines.size()) {
        AccountLine record;
        if (i + 5 <= lines.size() && RecordAcceptable(&lines[i], record)) {
            result.lines.push_back(std::move(record));
            i += 5;
        } else {
            // A line lost or added by hand shifts what follows: look for the next record one line on.
            ++result.skippedLines;
            ++i;
        }
    }
    return result;
}

} // namespace vimo
