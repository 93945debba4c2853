#pragma once
// The mail alert's password in its document: protected for the signed-in user with the system's
// data protection, so the document never holds it as typed.
#include <string>

namespace vimo {

// The document line for a password; empty for an empty password, and also when the system could
// not protect it (the password is then asked for again rather than written as typed).
std::string PasswordLine(const std::string& password);
// The password a line holds. asTyped is set when the line held it unprotected (a document of an
// earlier version), so that the kap rewrites it protected. A protected line that cannot be opened
// (another user's document) gives an empty password.
std::string PasswordOfLine(const std::string& line, bool& asTyped);

} // namespace vimo
