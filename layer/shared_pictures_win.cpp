#include "layer/shared_pictures_win.h"

namespace vimo {

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

} // namespace vimo
