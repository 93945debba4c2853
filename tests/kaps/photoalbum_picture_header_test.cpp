// Picture sizes read from file heads, the decoding budget and the working copy's size.
#include <gtest/gtest.h>

#include "kaps/desk/photoalbum/picture_header.h"

namespace vimo {
namespace {

std::string Be16(unsigned v) { return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)}; }
std::string Be32(unsigned v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
std::string Le16(unsigned v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string Le32(unsigned v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

std::string Png(unsigned width, unsigned height) {
    return std::string("\x89PNG\r\n\x1a\n", 8) + Be32(13) + "IHDR" + Be32(width) + Be32(height) +
           std::string("\x08\x06\x00\x00\x00", 5);
}

std::string Bmp(int width, int height, unsigned headerSize = 40) {
    std::string head = "BM" + Le32(0) + Le32(0) + Le32(54) + Le32(headerSize);
    if (headerSize == 12) return head + Le16(width) + Le16(height) + Le16(1) + Le16(24);
    return head + Le32(static_cast<unsigned>(width)) + Le32(static_cast<unsigned>(height)) + Le16(1) + Le16(24);
}

std::string Segment(unsigned char marker, const std::string& body) {
    return std::string("\xFF", 1) + static_cast<char>(marker) + Be16(static_cast<unsigned>(body.size() + 2)) + body;
}

std::string Jpeg(unsigned width, unsigned height, std::size_t exifBytes) {
    const std::string sof = std::string(1, '\x08') + Be16(height) + Be16(width) + std::string("\x03\x01\x22\x00", 4);
    return std::string("\xFF\xD8", 2) + Segment(0xE0, "JFIF" + std::string(10, '\0')) +
           Segment(0xE1, "Exif" + std::string(exifBytes, '\xFF')) + Segment(0xDB, std::string(65, '\x01')) +
           Segment(0xC4, std::string(28, '\x02')) + std::string("\xFF", 1) + Segment(0xC2, sof) +
           Segment(0xDA, std::string(10, '\0')) + "scan data";
}

TEST(PictureHeader, SizesOfTheFourFormats) {
    EXPECT_EQ(PictureSizeFromHead(Png(640, 480)), (PictureSize{640, 480}));
    EXPECT_EQ(PictureSizeFromHead("GIF89a" + Le16(320) + Le16(200) + "rest"), (PictureSize{320, 200}));
    EXPECT_EQ(PictureSizeFromHead("GIF87a" + Le16(1) + Le16(65535)), (PictureSize{1, 65535}));
    EXPECT_EQ(PictureSizeFromHead(Bmp(800, 600)), (PictureSize{800, 600}));
    EXPECT_EQ(PictureSizeFromHead(Bmp(800, -600)), (PictureSize{800, 600})) << "a top-down bitmap";
    EXPECT_EQ(PictureSizeFromHead(Bmp(90, 70, 12)), (PictureSize{90, 70})) << "the old core header";
    EXPECT_EQ(PictureSizeFromHead(Jpeg(4000, 3000, 100)), (PictureSize{4000, 3000}));
}

TEST(PictureHeader, JpegFrameHeaderIsFoundBehindLargeMetadata) {
    EXPECT_EQ(PictureSizeFromHead(Jpeg(6000, 4000, 60000)), (PictureSize{6000, 4000}));
    const std::string jpeg = Jpeg(6000, 4000, 60000);
    EXPECT_FALSE(PictureSizeFromHead(jpeg.substr(0, 60010)).has_value()) << "the frame header lies beyond the head";
}

TEST(PictureHeader, UnknownOrDamagedHeadsGiveNothing) {
    EXPECT_FALSE(PictureSizeFromHead("").has_value());
    EXPECT_FALSE(PictureSizeFromHead("this is not a picture at all").has_value());
    EXPECT_FALSE(PictureSizeFromHead(Png(10, 10).substr(0, 20)).has_value());
    EXPECT_FALSE(PictureSizeFromHead("GIF89a\x01").has_value());
    EXPECT_FALSE(PictureSizeFromHead(Bmp(10, 10).substr(0, 20)).has_value());
    const std::string scanFirst =
        std::string("\xFF\xD8", 2) + Segment(0xDA, std::string(4, '\0')) + Segment(0xC0, std::string(15, '\x10'));
    EXPECT_FALSE(PictureSizeFromHead(scanFirst).has_value()) << "no frame header before the scan";
    EXPECT_FALSE(PictureSizeFromHead(std::string("\xFF\xD8\xFF\xE1\x00\x01", 6)).has_value()) << "bad length";
    EXPECT_FALSE(PictureSizeFromHead(Jpeg(100, 100, 10).substr(0, 30)).has_value());
}

TEST(PictureHeader, DecodingBudget) {
    EXPECT_TRUE(DecodableSize({6000, 4000}));
    EXPECT_TRUE(DecodableSize({8192, 8192}));
    EXPECT_FALSE(DecodableSize({8192, 8193}));
    EXPECT_FALSE(DecodableSize({40000, 40000}));
    EXPECT_FALSE(DecodableSize({4294967295LL, 4294967295LL})) << "no overflow on absurd sizes";
    EXPECT_FALSE(DecodableSize({0, 100}));
    EXPECT_FALSE(DecodableSize({100, 0}));
}

TEST(PictureHeader, WorkingCopyFitsTheScreen) {
    EXPECT_EQ(WorkingSize({640, 480}, 1024, 768), (PictureSize{640, 480})) << "small pictures stay as they are";
    EXPECT_EQ(WorkingSize({1024, 768}, 1024, 768), (PictureSize{1024, 768}));
    EXPECT_EQ(WorkingSize({8000, 6000}, 1024, 768), (PictureSize{1024, 768}));
    EXPECT_EQ(WorkingSize({6000, 1000}, 1024, 768), (PictureSize{1024, 171}));
    EXPECT_EQ(WorkingSize({100, 20000}, 1024, 768), (PictureSize{4, 768}));
    EXPECT_EQ(WorkingSize({60000, 1}, 1024, 768), (PictureSize{1024, 1})) << "never below one pixel";
    EXPECT_EQ(WorkingSize({3000, 3000}, 0, 0), (PictureSize{1, 1})) << "no screen size: still a picture";
}

} // namespace
} // namespace vimo
