#pragma once
// Decodes a picture file for the photo album, once per picture shown: the result is a working
// copy no larger than the screen, kept and drawn from until the next picture. A file that does
// not decode, or whose header announces more pixels than the album decodes, gives nothing.
// Safe to call from any thread.
#include <string>

#include "layer/gdiplus_raii_win.h"

namespace vimo {

// A 32 bpp premultiplied bitmap, or empty.
GdipBitmap DecodePicture(const std::string& path, int screenWidth, int screenHeight);

} // namespace vimo
