#pragma once
// The Base64 form of kap documents: RFC 2045 alphabet with "=" fill; the text is cut into 57-byte
// blocks, each encoded as one 76-character line followed by CR LF, the last shorter block as a
// shorter line without CR LF.
#include <string>

namespace vimo {

std::string EncodeDocumentBase64(const std::string& plain);

// Decodes line by line, ignoring every character that is not a letter, a digit, "+", "/" or "=",
// in groups of four characters. Each line's bytes are appended to the result.
std::string DecodeDocumentBase64(const std::string& encoded);

} // namespace vimo
