#include "kaps/desk/calendar/vimo_calendar_win.h"

namespace vimo {

std::unique_ptr<Kap> MakeCalendar(HWND, const std::string&) { return nullptr; }

} // namespace vimo
