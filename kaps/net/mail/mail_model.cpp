#include "kaps/net/mail/mail_model.h"

#include "kapframe/base64.h"

namespace vimo {

namespace {

constexpr char kProtectedMarker[] = "{protected}";

bool IsBase64Text(const std::string& text) {
    if (text.empty() || text.size() % 4 != 0) return false;
    for (char c : text) {
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '+' && c != '/' && c != '=') return false;
    }
    return true;
}

} // namespace

void ReadMailPayload(DocumentReader& reader, MailValues& values, std::string& passwordLine) {
    values.intervalMinutes = reader.NextInt();
    values.accountName = reader.NextString();
    values.mailProgram = reader.NextString();
    values.popServer = reader.NextString();
    values.login = reader.NextString();
    passwordLine = reader.NextString();
}

void WriteMailPayload(DocumentWriter& writer, const MailValues& values, const std::string& passwordLine) {
    writer.Int(values.intervalMinutes)
        .Line(values.accountName)
        .Line(values.mailProgram)
        .Line(values.popServer)
        .Line(values.login)
        .Line(passwordLine)
        .Line("");
}

std::string MailCountText(int count) { return std::to_string(count) + (count > 1 ? " Mails" : " Mail"); }

int UsableMailInterval(int minutes) {
    constexpr int kLongest = 0x7fffffff / 60000;
    return minutes < 1 ? 1 : minutes > kLongest ? kLongest : minutes;
}

int MailIntervalChoice(int minutes) { return minutes == 5 || minutes == 15 || minutes == 30 ? minutes : 1; }

std::string ProtectedPasswordLine(const std::string& protectedBytes) {
    std::string line = kProtectedMarker;
    for (char c : EncodeDocumentBase64(protectedBytes))
        if (c != '\r' && c != '\n') line += c;
    return line;
}

bool ProtectedPasswordBytes(const std::string& line, std::string& protectedBytes) {
    const std::size_t marker = sizeof(kProtectedMarker) - 1;
    if (line.compare(0, marker, kProtectedMarker) != 0 || !IsBase64Text(line.substr(marker))) return false;
    protectedBytes = DecodeDocumentBase64(line.substr(marker));
    return true;
}

} // namespace vimo
