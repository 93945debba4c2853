#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/kap_win.h"

namespace vimo {

// Makes a photoalbum kap from a document path (empty: a new one); null when it cannot be made.
std::unique_ptr<Kap> MakePhotoAlbum(HWND owner, const std::string& documentPath);

} // namespace vimo
