// The Base64 form of kap documents.
#include <gtest/gtest.h>

#include <random>

#include "kapframe/base64.h"

namespace vimo {
namespace {

TEST(DocumentBase64, LineBreaksFollowFiftySevenByteBlocks) {
    EXPECT_EQ(EncodeDocumentBase64(""), "");
    EXPECT_EQ(EncodeDocumentBase64("A"), "QQ==");
    EXPECT_EQ(EncodeDocumentBase64("AB"), "QUI=");
    EXPECT_EQ(EncodeDocumentBase64("ABC"), "QUJD");

    const std::string exact(57, 'x');
    const std::string one = EncodeDocumentBase64(exact);
    ASSERT_EQ(one.size(), 78u);
    EXPECT_EQ(one.substr(76), "\r\n") << "a whole block ends with CR LF";

    const std::string more = EncodeDocumentBase64(exact + "y");
    ASSERT_EQ(more.size(), 78u + 4u);
    EXPECT_EQ(more.substr(0, 78), one);
    EXPECT_EQ(more.substr(78), "eQ==") << "the last short line has no CR LF";

    const std::string two = EncodeDocumentBase64(std::string(114, 'z'));
    EXPECT_EQ(two.size(), 156u);
    EXPECT_EQ(two.substr(154), "\r\n");
}

TEST(DocumentBase64, RoundTripsEveryByteAndLength) {
    std::mt19937 random(7);
    for (std::size_t length = 0; length < 300; ++length) {
        std::string text(length, '\0');
        for (char& c : text) c = static_cast<char>(random() & 0xFF);
        EXPECT_EQ(DecodeDocumentBase64(EncodeDocumentBase64(text)), text) << length;
    }
}

// A reference encoder written bit by bit, independent of the block arithmetic under test.
std::string ReferenceEncode(const std::string& plain) {
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bits;
    for (unsigned char c : plain)
        for (int b = 7; b >= 0; --b) bits += ((c >> b) & 1) ? '1' : '0';
    while (bits.size() % 6) bits += '0';
    std::string chars;
    for (std::size_t i = 0; i < bits.size(); i += 6) chars += alphabet[std::stoi(bits.substr(i, 6), nullptr, 2)];
    while (chars.size() % 4) chars += '=';
    std::string lines;
    for (std::size_t i = 0; i < chars.size(); i += 76) {
        lines += chars.substr(i, 76);
        if (chars.size() - i >= 76 && (plain.size() - i / 4 * 3) >= 57) lines += "\r\n";
    }
    return lines;
}

TEST(DocumentBase64, MatchesAnIndependentEncoderOnRandomTexts) {
    std::mt19937 random(99);
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 700, '\0');
        for (char& c : text) c = static_cast<char>(random() & 0xFF);
        EXPECT_EQ(EncodeDocumentBase64(text), ReferenceEncode(text)) << text.size();
    }
}

TEST(DocumentBase64, ReaderIgnoresStrayCharactersAndLineEndings) {
    const std::string text = "A20240101120000UN\n30\n40\nhello, world: a note\twith tab";
    std::string encoded = EncodeDocumentBase64(text);
    std::string noisy;
    for (char c : encoded) {
        noisy += c;
        if (c == 'A' || c == 'Q') noisy += " \t*";
    }
    EXPECT_EQ(DecodeDocumentBase64(noisy), text);
    std::string unixEndings = encoded;
    for (std::size_t at; (at = unixEndings.find('\r')) != std::string::npos;) unixEndings.erase(at, 1);
    EXPECT_EQ(DecodeDocumentBase64(unixEndings), text);
}

TEST(DocumentBase64, DamagedInputDecodesWithoutOverrun) {
    EXPECT_EQ(DecodeDocumentBase64("QQ"), "") << "an incomplete group is dropped";
    EXPECT_EQ(DecodeDocumentBase64("===="), "");
    EXPECT_EQ(DecodeDocumentBase64("Q==="), "");
    EXPECT_EQ(DecodeDocumentBase64("QUJD\r\nQQ=="), "ABCA");
    EXPECT_EQ(DecodeDocumentBase64(std::string("\0\xff\x80", 3)), "");
}

} // namespace
} // namespace vimo
