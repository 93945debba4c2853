#pragma once
// What the album learns of a picture before decoding it: its size, read from the first bytes of
// a PNG, GIF, BMP or JPEG file, so that a picture too large to decode in reasonable time and
// memory is refused before the decoder sees it; and the size of the working copy the album keeps
// of a decoded picture.
#include <cstddef>
#include <optional>
#include <string>

namespace vimo {

struct PictureSize {
    long long width = 0, height = 0;
    bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

// How many bytes of the file's start PictureSizeFromHead looks at: enough to pass the metadata
// blocks that come before the frame header of a camera JPEG.
constexpr std::size_t kPictureHeadBytes = 256 * 1024;

// The largest picture the album decodes: 64 megapixels (256 MB once decoded to 32 bits a pixel).
constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// The size the file's first bytes give; nothing when the format is not recognised or the header
// does not lie within head.
std::optional<PictureSize> PictureSizeFromHead(const std::string& head);

// False for a picture whose known size is empty or above kMaxPicturePixels.
bool DecodableSize(const PictureSize& size);

// The size of the working copy of a decoded picture: the picture itself when it fits the screen
// (the album's box is smaller than the screen), otherwise scaled down to fit it, keeping its
// proportions and at least one pixel a side. Every redraw of the album scales the working copy,
// so its cost no longer depends on the size of the picture.
PictureSize WorkingSize(const PictureSize& picture, int screenWidth, int screenHeight);

} // namespace vimo
