#include "kaps/desk/photoalbum/picture_header.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>

namespace vimo {

namespace {

std::uint32_t Byte(const std::string& s, std::size_t at) { return static_cast<unsigned char>(s[at]); }
std::uint32_t Be16(const std::string& s, std::size_t at) { return Byte(s, at) << 8 | Byte(s, at + 1); }
std::uint32_t Be32(const std::string& s, std::size_t at) { return Be16(s, at) << 16 | Be16(s, at + 2); }
std::uint32_t Le16(const std::string& s, std::size_t at) { return Byte(s, at + 1) << 8 | Byte(s, at); }
std::uint32_t Le32(const std::string& s, std::size_t at) { return Le16(s, at + 2) << 16 | Le16(s, at); }

bool StartsWith(const std::string& s, const char* prefix, std::size_t length) {
    return s.size() >= length && s.compare(0, length, prefix, length) == 0;
}

std::optional<PictureSize> PngSize(const std::string& s) {
    if (s.size() < 24 || s.compare(12, 4, "IHDR") != 0) return std::nullopt;
    return PictureSize{Be32(s, 16), Be32(s, 20)};
}

std::optional<PictureSize> GifSize(const std::string& s) {
    if (s.size() < 10) return std::nullopt;
    return PictureSize{Le16(s, 6), Le16(s, 8)};
}

std::optional<PictureSize> BmpSize(const std::string& s) {
    if (s.size() < 18) return std::nullopt;
    const std::uint32_t headerSize = Le32(s, 14);
    if (headerSize == 12) {
        if (s.size() < 22) return std::nullopt;
        return PictureSize{Le16(s, 18), Le16(s, 20)};
    }
    if (s.size() < 26) return std::nullopt;
    const auto width = static_cast<std::int32_t>(Le32(s, 18));
    const auto height = static_cast<std::int32_t>(Le32(s, 22)); // negative for a top-down picture
    return PictureSize{std::llabs(width), std::llabs(height)};
}

bool IsFrameHeader(std::uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments up to the first frame header.
std::optional<PictureSize> JpegSize(const std::string& s) {
    std::size_t at = 2;
    for (;;) {
        while (at < s.size() && Byte(s, at) != 0xFF) ++at; // tolerate stray bytes between segments
        while (at < s.size() && Byte(s, at) == 0xFF) ++at; // fill bytes
        if (at >= s.size()) return std::nullopt;
        const std::uint32_t marker = Byte(s, at++);
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt; // image end or data before any frame
        if (at + 2 > s.size()) return std::nullopt;
        const std::uint32_t length = Be16(s, at);
        if (length < 2) return std::nullopt;
        if (IsFrameHeader(marker)) {
            if (at + 7 > s.size()) return std::nullopt;
            return PictureSize{Be16(s, at + 5), Be16(s, at + 3)};
        }
        at += length;
    }
}

} // namespace

std::optional<PictureSize> PictureSizeFromHead(const std::string& head) {
    if (StartsWith(head, "\x89PNG\r\n\x1a\n", 8)) return PngSize(head);
    if (StartsWith(head, "GIF87a", 6) || StartsWith(head, "GIF89a", 6)) return GifSize(head);
    if (StartsWith(head, "BM", 2)) return BmpSize(head);
    if (StartsWith(head, "\xFF\xD8", 2)) return JpegSize(head);
    return std::nullopt;
}

bool DecodableSize(const PictureSize& size) {
    return size.width > 0 && size.height > 0 && size.width <= kMaxPicturePixels / size.height;
}

PictureSize WorkingSize(const PictureSize& picture, int screenWidth, int screenHeight) {
    const double boundWidth = std::max(screenWidth, 1), boundHeight = std::max(screenHeight, 1);
    if (picture.width <= boundWidth && picture.height <= boundHeight) return picture;
    const double factor =
        std::min(boundWidth / static_cast<double>(picture.width), boundHeight / static_cast<double>(picture.height));
    return PictureSize{std::max(1LL, std::llround(static_cast<double>(picture.width) * factor)),
                       std::max(1LL, std::llround(static_cast<double>(picture.height) * factor))};
}

} // namespace vimo
