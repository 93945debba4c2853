// The picture sizes the photo album reads from a file's first bytes: any head gives a size or nothing,
// and the decoding budget and working copy of that size stay within their bounds.
#include <algorithm>
#include <utility>

#include "fuzz/fuzz_check.h"
#include "kaps/desk/photoalbum/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using fuzz::Require;
    const std::optional<PictureSize> picture = PictureSizeFromHead(fuzz::Text(data, std::min(size, kPictureHeadBytes)));
    if (!picture) return 0;
    Require(picture->width >= 0 && picture->height >= 0, "a picture size is never negative");
    if (!DecodableSize(*picture)) return 0;
    Require(picture->width * picture->height <= kMaxPicturePixels, "a decodable picture is within the budget");
    for (const auto& [screenWidth, screenHeight] : {std::pair{1920, 1080}, std::pair{1, 1}, std::pair{0, 0}}) {
        const PictureSize working = WorkingSize(*picture, screenWidth, screenHeight);
        Require(working.width >= 1 && working.height >= 1, "a working copy has at least one pixel a side");
        Require(working.width <= std::max(screenWidth, 1) && working.height <= std::max(screenHeight, 1),
                "a working copy fits the screen");
        Require(working.width <= picture->width && working.height <= picture->height,
                "a working copy is never larger than its picture");
    }
    return 0;
}
