#pragma once
// The photo album's document lines after the common ones (header, x, y, width, height): the
// interval in seconds, the zoom percent and the folder, one per line.
#include <string>

#include "kapframe/kap_document.h"
#include "kaps/desk/photoalbum/album_choices.h"

namespace vimo {

constexpr const char* kPhotoAlbumTypeTag = "VIMOPHOTOALBUM";

struct AlbumValues {
    int interval = kAlbumDefaultInterval;
    int zoom = kAlbumDefaultZoom;
    std::string folder; // ends with "\" unless empty
};

// Reads the lines that follow the common ones. A missing or unusable interval gives the default,
// a missing zoom the default and any other zoom is kept within 50 ... 200; the folder gets its
// trailing "\".
void ReadAlbumPayload(DocumentReader& reader, AlbumValues& values);
void WriteAlbumPayload(DocumentWriter& writer, const AlbumValues& values);

} // namespace vimo
