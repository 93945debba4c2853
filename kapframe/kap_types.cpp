#include "kapframe/kap_types.h"

#include "base/messages.h"
#include "base/resource.h"
#include "base/text_util.h"

namespace vimo {

const std::array<KapTypeInfo, kKapTypeCount>& AllKapTypes() {
    static const std::array<KapTypeInfo, kKapTypeCount> types = {{
        {KapType::Note, "VIMONOTE", ID_NEW_NOTE, WMU_NOTE_DELETED, false, IDM_POPUP_NOTE + 1, ID_NOTE_TOPMOST,
         ID_NOTE_LOCK, ID_NOTE_DELETE, SkinType::Note},
        {KapType::PhotoAlbum, "VIMOPHOTOALBUM", ID_NEW_PHOTOALBUM, WMU_PHOTOALBUM_DELETED, false,
         IDM_POPUP_PHOTOALBUM + 1, ID_PHOTOALBUM_TOPMOST, ID_PHOTOALBUM_LOCK, ID_PHOTOALBUM_DELETE,
         SkinType::PhotoAlbum},
        {KapType::Calc, "VIMOCALC", ID_NEW_CALC, WMU_CALC_DELETED, false, IDM_POPUP_CALC + 1, ID_CALC_TOPMOST,
         ID_CALC_LOCK, ID_CALC_DELETE, SkinType::Calc},
        {KapType::Clock, "VIMOCLOCK", ID_NEW_CLOCK, WMU_CLOCK_DELETED, false, IDM_POPUP_CLOCK + 1, ID_CLOCK_TOPMOST,
         ID_CLOCK_LOCK, ID_CLOCK_DELETE, SkinType::Clock},
        {KapType::Weather, "VIMOWEATHER", ID_NEW_WEATHER, WMU_WEATHER_DELETED, false, IDM_POPUP_WEATHER + 1,
         ID_WEATHER_TOPMOST, ID_WEATHER_LOCK, ID_WEATHER_DELETE, SkinType::Weather},
        {KapType::Account, "VIMOACCOUNT", ID_NEW_ACCOUNT, WMU_ACCOUNT_DELETED, false, IDM_POPUP_ACCOUNT + 1,
         ID_ACCOUNT_TOPMOST, ID_ACCOUNT_LOCK, ID_ACCOUNT_DELETE, SkinType::Account},
        {KapType::Calendar, "VIMOCALENDAR", ID_NEW_CALENDAR, WMU_CALENDAR_DELETED, false, IDM_POPUP_CALENDAR + 1,
         ID_CALENDAR_TOPMOST, ID_CALENDAR_LOCK, ID_CALENDAR_DELETE, SkinType::Calendar},
        {KapType::News, "VIMONEWS", ID_NEW_NEWS, WMU_NEWS_DELETED, false, IDM_POPUP_NEWS + 1, ID_NEWS_TOPMOST,
         ID_NEWS_LOCK, ID_NEWS_DELETE, SkinType::News},
        {KapType::Link, "VIMOLINK", ID_NEW_LINK, WMU_LINK_DELETED, false, IDM_POPUP_LINK + 1, ID_LINK_TOPMOST,
         ID_LINK_LOCK, ID_LINK_DELETE, SkinType::Link},
        {KapType::RemoteWmp, "VIMOREMOTEWMP", ID_NEW_REMOTEWMP, WMU_REMOTEWMP_DELETED, true, IDM_POPUP_REMOTEWMP + 1,
         ID_REMOTEWMP_TOPMOST, ID_REMOTEWMP_LOCK, ID_REMOTEWMP_DELETE, SkinType::RemoteWmp},
        {KapType::Mail, "VIMOMAIL", ID_NEW_MAIL, WMU_MAIL_DELETED, false, IDM_POPUP_MAIL + 1, ID_MAIL_TOPMOST,
         ID_MAIL_LOCK, ID_MAIL_DELETE, SkinType::Mail},
        {KapType::Google, "VIMOGOOGLE", ID_NEW_GOOGLE, WMU_GOOGLE_DELETED, false, IDM_POPUP_GOOGLE + 1,
         ID_GOOGLE_TOPMOST, ID_GOOGLE_LOCK, ID_GOOGLE_DELETE, SkinType::Google},
        {KapType::Trash, "VIMOTRASH", ID_NEW_TRASH, WMU_TRASH_DELETED, true, IDM_POPUP_TRASH + 1, ID_TRASH_TOPMOST,
         ID_TRASH_LOCK, ID_TRASH_DELETE, SkinType::Trash},
    }};
    return types;
}

const KapTypeInfo& InfoOf(KapType type) { return AllKapTypes()[static_cast<std::size_t>(type)]; }

std::optional<KapType> KapTypeFromCommand(unsigned command) {
    for (const KapTypeInfo& info : AllKapTypes())
        if (info.createCommand == command) return info.type;
    return std::nullopt;
}

std::optional<KapType> KapTypeFromDeletedMessage(unsigned message) {
    for (const KapTypeInfo& info : AllKapTypes())
        if (info.deletedMessage == message) return info.type;
    return std::nullopt;
}

std::optional<KapType> KapTypeFromFileName(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    const std::string extension = ToUpperAscii(fileName.substr(dot + 1));
    for (const KapTypeInfo& info : AllKapTypes())
        if (extension == info.tag) return info.type;
    return std::nullopt;
}

} // namespace vimo
