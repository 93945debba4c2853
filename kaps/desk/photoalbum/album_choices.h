#pragma once
// The photo album's menu choices: the six slide intervals and the four zooms with their command
// identifiers, and how values read from a document are made usable.

namespace vimo {

constexpr int kAlbumDefaultInterval = 5; // seconds
constexpr int kAlbumDefaultZoom = 100;   // percent
constexpr int kAlbumMinZoom = 50, kAlbumMaxZoom = 200;

struct AlbumChoice {
    unsigned command;
    int value;
};

// Commands 167 ... 172: 5, 15, 30, 60, 300 and 600 seconds.
extern const AlbumChoice kAlbumIntervals[6];
// Commands 177 ... 180: 50, 100, 150 and 200 percent.
extern const AlbumChoice kAlbumZooms[4];

// The value of an interval (zoom) command, or 0 when the command is not one.
int IntervalOfCommand(unsigned command);
int ZoomOfCommand(unsigned command);

// An interval read from a document: one of the six, otherwise the default. Anything else would
// make a timer that never fires or fires without pause.
int UsableInterval(int seconds);
// A zoom read from a document, kept within 50 ... 200 percent.
int ClampZoom(int percent);

} // namespace vimo
