#include "layer/shared_pictures_win.h"

#include <cstring>

#include "layer/wide_text_win.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::uint64_t LastWriteOf(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (file.empty() || !GetFileAttributesExW(WidenAnsi(file).c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

namespace {

// The pixels of a decoded image copied into a bitmap of its own, row by row through locked bits:
// the copy owes nothing to the file the image was read from.
GdipBitmap CopyPixels(GpImage* image, int width, int height) {
    GdipBitmap copy = NewArgbBitmap(width, height);
    ImageType type = ImageTypeUnknown;
    GdipGetImageType(image, &type);
    if (!copy || type != ImageTypeBitmap) return GdipBitmap();
    LockedPixels from(static_cast<GpBitmap*>(image), 0, 0, width, height, false),
        to(copy.get(), 0, 0, width, height, true);
    if (!from || !to) return GdipBitmap();
    for (int y = 0; y < height; ++y) std::memcpy(to.Row(y), from.Row(y), static_cast<std::size_t>(width) * 4);
    return to.Unlock() ? std::move(copy) : GdipBitmap();
}

} // namespace

Decoded DecodePictureFile(const std::string& file) {
    const std::uint64_t written = LastWriteOf(file);
    GdipImage image = LoadImageFile(WidenAnsi(file));
    int width = 0, height = 0;
    ImagePixelSize(image.get(), width, height);
    if (width <= 0 || height <= 0) return nullptr;
    auto decoded = std::make_shared<DecodedPicture>();
    decoded->bitmap = CopyPixels(image.get(), width, height);
    if (!decoded->bitmap) return nullptr;
    decoded->width = width;
    decoded->height = height;
    decoded->written = written;
    return decoded;
}

Decoded SharedPictures::Decode(const std::string& file) {
    if (file.empty()) return nullptr;
    auto found = decoded_.find(file);
    if (found != decoded_.end()) {
        Decoded held = found->second.lock();
        if (held && held->written == LastWriteOf(file)) return held;
    }
    for (auto it = decoded_.begin(); it != decoded_.end();) it = it->second.expired() ? decoded_.erase(it) : ++it;
    Decoded decoded = DecodePictureFile(file);
    if (decoded) decoded_[file] = decoded;
    return decoded;
}

SharedPictures::Picture SharedPictures::Find(const SharedPictureKey& key, const std::function<GdipBitmap()>& make) {
    auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        if (Picture shown = found->second.lock()) return shown;
    }
    // Pictures no window shows any more are forgotten on the way.
    for (auto it = pictures_.begin(); it != pictures_.end();) it = it->second.expired() ? pictures_.erase(it) : ++it;
    GdipBitmap made = make();
    if (!made) return nullptr;
    Picture picture = std::make_shared<const GdipBitmap>(std::move(made));
    pictures_[key] = picture;
    return picture;
}

std::size_t SharedPictures::Count() const {
    std::size_t shown = 0;
    for (const auto& entry : pictures_) shown += !entry.second.expired();
    return shown;
}

std::size_t SharedPictures::DecodedCount() const {
    std::size_t held = 0;
    for (const auto& entry : decoded_) held += !entry.second.expired();
    return held;
}

} // namespace vimo
