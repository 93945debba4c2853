#include "app/kap_win.h"

#include "kaps/desk/calc/vimo_calc_win.h"
#include "kaps/desk/calendar/vimo_calendar_win.h"
#include "kaps/desk/clock/vimo_clock_win.h"
#include "kaps/desk/note/vimo_note_win.h"
#include "kaps/desk/photoalbum/vimo_photoalbum_win.h"

namespace vimo {

KapFactory FactoryOf(KapType type) {
    // Kap types join here as they are built.
    switch (type) {
    case KapType::Note: return MakeNote;
    case KapType::Clock: return MakeClock;
    case KapType::Calc: return MakeCalc;
    case KapType::Calendar: return MakeCalendar;
    case KapType::PhotoAlbum: return MakePhotoAlbum;
    default: return nullptr;
    }
}

} // namespace vimo
