#include "kaps/desk/photoalbum/album_document.h"

#include "kaps/desk/photoalbum/album_folder.h"

namespace vimo {

void ReadAlbumPayload(DocumentReader& reader, AlbumValues& values) {
    values.interval = UsableInterval(reader.NextInt());
    const std::string zoom = reader.NextString();
    values.zoom = zoom.empty() ? kAlbumDefaultZoom : ClampZoom(ParseLeadingInt(zoom));
    values.folder = FolderWithBackslash(reader.NextString());
}

void WriteAlbumPayload(DocumentWriter& writer, const AlbumValues& values) {
    writer.Int(values.interval).Int(values.zoom).Line(values.folder);
}

} // namespace vimo
