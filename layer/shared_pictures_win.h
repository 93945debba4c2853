#pragma once
// Pictures that several windows show alike, made once and shared while any of them shows one: a
// hundred notes of one colour and size show one rendering of their background. Owned by the
// program (one set for all its windows) and read on the window thread only. A shared picture is
// only ever read: nothing draws into it once made.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "layer/gdiplus_raii_win.h"
#include "layer/nine_slice.h"

namespace vimo {

// A background picture (its file as last written) stretched by its nine-slice cuts to a size, drawn
// as it is.
struct SharedPictureKey {
    std::string file;
    std::uint64_t written = 0;
    SliceCuts cuts;
    int width = 0, height = 0;

    bool operator<(const SharedPictureKey& o) const {
        return std::tie(file, written, cuts.left, cuts.top, cuts.right, cuts.bottom, width, height) <
               std::tie(o.file, o.written, o.cuts.left, o.cuts.top, o.cuts.right, o.cuts.bottom, o.width, o.height);
    }
};

class SharedPictures {
public:
    using Picture = std::shared_ptr<const GdipBitmap>;

    // The picture of the key that is shown already, or the one `make` makes (shared from then on);
    // null when `make` gives none. A picture goes when the last window showing it lets it go.
    Picture Find(const SharedPictureKey& key, const std::function<GdipBitmap()>& make);
    // Pictures being shown (for tests and benchmarks).
    std::size_t Count() const;

private:
    std::map<SharedPictureKey, std::weak_ptr<const GdipBitmap>> pictures_;
};

} // namespace vimo
