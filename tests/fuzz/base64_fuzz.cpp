// The Base64 form of the documents on disk: any file decodes, and encoding round-trips.
#include "fuzz/fuzz_check.h"
#include "kapframe/base64.h"

using vimo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = vimo::fuzz::Text(data, size);

    const std::string decoded = vimo::DecodeDocumentBase64(input);
    Require(decoded.size() <= input.size(), "decoding never grows the text");
    Require(vimo::DecodeDocumentBase64(vimo::EncodeDocumentBase64(decoded)) == decoded,
            "a decoded file encodes and decodes to the same bytes");

    const std::string encoded = vimo::EncodeDocumentBase64(input);
    Require(vimo::DecodeDocumentBase64(encoded) == input, "any bytes encode and decode to themselves");
    for (std::size_t line = 0; line < encoded.size(); line += 78) {
        const std::size_t end = encoded.find("\r\n", line);
        Require((end == std::string::npos ? encoded.size() : end) - line <= 76, "lines of at most 76 characters");
    }
    return 0;
}
