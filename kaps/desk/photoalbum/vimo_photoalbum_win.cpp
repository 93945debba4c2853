#include "kaps/desk/photoalbum/vimo_photoalbum_win.h"

namespace vimo {

std::unique_ptr<Kap> MakePhotoAlbum(HWND, const std::string&) { return nullptr; }

} // namespace vimo
