#pragma once
// The mail alert's values, its document lines and the texts it shows, free of the platform.
#include <cstddef>
#include <string>

#include "kapframe/kap_document.h"

namespace vimo {

// The longest texts the setup dialog takes.
constexpr std::size_t kMailNameChars = 20, kMailProgramChars = 200, kMailServerChars = 100, kMailLoginChars = 50,
                      kMailPasswordChars = 50;
// The check intervals the setup dialog offers, in minutes.
constexpr int kMailIntervals[] = {1, 5, 15, 30};

struct MailValues {
    int intervalMinutes = 0; // line 6
    std::string accountName; // line 7
    std::string mailProgram; // line 8
    std::string popServer;   // line 9: a host name or a dotted address
    std::string login;       // line 10
    std::string password;    // as typed; line 11 holds it protected
};

// Lines 6 to 11. Line 11 is handed over as it stands (the kap unprotects it); the password is not
// touched here.
void ReadMailPayload(DocumentReader& reader, MailValues& values, std::string& passwordLine);
// The six lines, the last one also ended by a line feed.
void WriteMailPayload(DocumentWriter& writer, const MailValues& values, const std::string& passwordLine);

// "0 Mail", "1 Mail", "2 Mails", ...
std::string MailCountText(int count);
// An interval below one minute is one minute; one longer than a timer can count is the longest it
// can (about 24 days).
int UsableMailInterval(int minutes);
// The dialog's choice for an interval: 5, 15 or 30 when it is one of those, otherwise 1.
int MailIntervalChoice(int minutes);

// A password line as the document keeps it protected: a marker and the protected bytes in Base64,
// on one line.
std::string ProtectedPasswordLine(const std::string& protectedBytes);
// True when the line is a protected password (the marker and Base64 after it); protectedBytes then
// receives the bytes. Any other line is a password stored as typed by an earlier version.
bool ProtectedPasswordBytes(const std::string& line, std::string& protectedBytes);

} // namespace vimo
