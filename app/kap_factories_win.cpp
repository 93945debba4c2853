#include "app/kap_factories_win.h"

#include "kapframe/kap_window_win.h"
#include "kaps/desk/account/vimo_account_win.h"
#include "kaps/desk/calc/vimo_calc_win.h"
#include "kaps/desk/calendar/vimo_calendar_win.h"
#include "kaps/desk/clock/vimo_clock_win.h"
#include "kaps/desk/note/vimo_note_win.h"
#include "kaps/desk/photoalbum/vimo_photoalbum_win.h"
#include "kaps/desk/trash/vimo_trash_win.h"
#include "kaps/media/vimo_remote_wmp_win.h"
#include "kaps/net/link/vimo_link_win.h"
#include "kaps/net/mail/vimo_mail_win.h"
#include "kaps/net/news/vimo_news_win.h"
#include "kaps/net/search/vimo_google_win.h"
#include "kaps/net/weather/vimo_weather_win.h"

namespace vimo {

KapFactory FactoryOf(KapType type) {
    // Kap types join here as they are built.
    switch (type) {
    case KapType::Note: return MakeKapWindow<CVimoNote>;
    case KapType::Clock: return MakeKapWindow<CVimoClock>;
    case KapType::Calc: return MakeKapWindow<CVimoCalc>;
    case KapType::Calendar: return MakeKapWindow<CVimoCalendar>;
    case KapType::PhotoAlbum: return MakeKapWindow<CVimoPhotoAlbum>;
    case KapType::News: return MakeKapWindow<CVimoNews>;
    case KapType::Mail: return MakeKapWindow<CVimoMail>;
    case KapType::Google: return MakeKapWindow<CVimoGoogle>;
    case KapType::Link: return MakeKapWindow<CVimoLink>;
    case KapType::Trash: return MakeKapWindow<CVimoTrash>;
    case KapType::Weather: return MakeKapWindow<CVimoWeather>;
    case KapType::Account: return MakeKapWindow<CVimoAccount>;
    case KapType::RemoteWmp: return MakeKapWindow<CVimoRemoteWMP>;
    default: return nullptr;
    }
}

} // namespace vimo
