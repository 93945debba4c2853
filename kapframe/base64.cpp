#include "kapframe/base64.h"

namespace vimo {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kBlock = 57;

int ValueOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

bool IsBase64Char(char c) { return ValueOf(c) >= 0 || c == '='; }

void EncodeBlock(const unsigned char* data, std::size_t size, std::string& out) {
    for (std::size_t i = 0; i < size; i += 3) {
        const std::size_t n = size - i < 3 ? size - i : 3;
        unsigned triple = static_cast<unsigned>(data[i]) << 16;
        if (n > 1) triple |= static_cast<unsigned>(data[i + 1]) << 8;
        if (n > 2) triple |= data[i + 2];
        out += kAlphabet[(triple >> 18) & 63];
        out += kAlphabet[(triple >> 12) & 63];
        out += n > 1 ? kAlphabet[(triple >> 6) & 63] : '=';
        out += n > 2 ? kAlphabet[triple & 63] : '=';
    }
}

// Decodes the groups of four of one line's cleaned characters; a group ends early at "=".
void DecodeLine(const std::string& clean, std::string& out) {
    for (std::size_t i = 0; i + 4 <= clean.size(); i += 4) {
        int v[4];
        int count = 0;
        for (; count < 4; ++count) {
            v[count] = ValueOf(clean[i + count]);
            if (v[count] < 0) break; // "=" fill
        }
        if (count < 2) continue;
        const unsigned triple = (static_cast<unsigned>(v[0]) << 18) | (static_cast<unsigned>(v[1]) << 12) |
                                (count > 2 ? static_cast<unsigned>(v[2]) << 6 : 0u) |
                                (count > 3 ? static_cast<unsigned>(v[3]) : 0u);
        out += static_cast<char>((triple >> 16) & 0xFF);
        if (count > 2) out += static_cast<char>((triple >> 8) & 0xFF);
        if (count > 3) out += static_cast<char>(triple & 0xFF);
    }
}

} // namespace

std::string EncodeDocumentBase64(const std::string& plain) {
    std::string out;
    out.reserve((plain.size() + kBlock - 1) / kBlock * 78);
    const auto* data = reinterpret_cast<const unsigned char*>(plain.data());
    for (std::size_t at = 0; at < plain.size(); at += kBlock) {
        const std::size_t n = plain.size() - at < kBlock ? plain.size() - at : kBlock;
        EncodeBlock(data + at, n, out);
        if (n == kBlock) out += "\r\n";
    }
    return out;
}

std::string DecodeDocumentBase64(const std::string& encoded) {
    std::string out;
    out.reserve(encoded.size() / 4 * 3);
    std::string clean;
    std::size_t at = 0;
    while (at <= encoded.size()) {
        std::size_t end = encoded.find('\n', at);
        if (end == std::string::npos) end = encoded.size();
        clean.clear();
        for (std::size_t i = at; i < end; ++i)
            if (IsBase64Char(encoded[i])) clean += encoded[i];
        DecodeLine(clean, out);
        at = end + 1;
    }
    return out;
}

} // namespace vimo
