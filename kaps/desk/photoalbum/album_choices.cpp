#include "kaps/desk/photoalbum/album_choices.h"

#include <algorithm>

#include "base/resource.h"

namespace vimo {

const AlbumChoice kAlbumIntervals[6] = {
    {ID_PHOTOALBUM_INTERVAL_5S, 5},  {ID_PHOTOALBUM_INTERVAL_15S, 15}, {ID_PHOTOALBUM_INTERVAL_30S, 30},
    {ID_PHOTOALBUM_INTERVAL_1M, 60}, {ID_PHOTOALBUM_INTERVAL_5M, 300}, {ID_PHOTOALBUM_INTERVAL_10M, 600},
};

const AlbumChoice kAlbumZooms[4] = {
    {ID_PHOTOALBUM_ZOOM_50, 50},
    {ID_PHOTOALBUM_ZOOM_100, 100},
    {ID_PHOTOALBUM_ZOOM_150, 150},
    {ID_PHOTOALBUM_ZOOM_200, 200},
};

namespace {

template <std::size_t N> int ValueOf(const AlbumChoice (&choices)[N], unsigned command) {
    for (const AlbumChoice& choice : choices)
        if (choice.command == command) return choice.value;
    return 0;
}

} // namespace

int IntervalOfCommand(unsigned command) { return ValueOf(kAlbumIntervals, command); }

int ZoomOfCommand(unsigned command) { return ValueOf(kAlbumZooms, command); }

int UsableInterval(int seconds) {
    for (const AlbumChoice& choice : kAlbumIntervals)
        if (choice.value == seconds) return seconds;
    return kAlbumDefaultInterval;
}

int ClampZoom(int percent) { return std::clamp(percent, kAlbumMinZoom, kAlbumMaxZoom); }

} // namespace vimo
