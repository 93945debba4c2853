#include "kaps/desk/clock/vimo_clock_win.h"

namespace vimo {

std::unique_ptr<Kap> MakeClock(HWND, const std::string&) { return nullptr; }

} // namespace vimo
