#pragma once
// Pictures that several windows show alike, made once and shared while any of them shows one: a
// hundred notes of one colour and size show one rendering of their background, and every kap of a
// skin draws from one decoded copy of each of its picture files. Owned by the program (one set for
// all its windows) and read on the window thread only. A shared picture is only ever read: nothing
// draws into it once made.
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

// A picture file decoded into memory (32 bpp ARGB): the file is not held open, so it can be
// replaced or deleted while the picture is shown.
struct DecodedPicture {
    GdipBitmap bitmap;
    int width = 0, height = 0;
    std::uint64_t written = 0; // when the file was last written, as it was decoded
};
using Decoded = std::shared_ptr<const DecodedPicture>;

// When a file was last written (0 when it cannot be told): a picture replaced under the same name
// is another picture.
std::uint64_t LastWriteOf(const std::string& file);
// Decodes a picture file (PNG, JPEG, GIF, BMP); null when it cannot be read or has no pixels.
Decoded DecodePictureFile(const std::string& file);

class SharedPictures {
public:
    using Picture = std::shared_ptr<const GdipBitmap>;

    // The decoded picture of a file as last written: the one decoded already while anyone holds
    // it, otherwise decoded now. Null when the file cannot be read.
    Decoded Decode(const std::string& file);

    // The picture of the key that is shown already, or the one `make` makes (shared from then on);
    // null when `make` gives none. A picture goes when the last window showing it lets it go.
    Picture Find(const SharedPictureKey& key, const std::function<GdipBitmap()>& make);
    // Pictures being shown, and picture files decoded and held (for tests and benchmarks).
    std::size_t Count() const;
    std::size_t DecodedCount() const;

private:
    std::map<SharedPictureKey, std::weak_ptr<const GdipBitmap>> pictures_;
    std::map<std::string, std::weak_ptr<const DecodedPicture>> decoded_;
};

} // namespace vimo
