#include "bars/dock/dock_icon_types.h"

#include "base/text_util.h"

namespace vimo {

const std::array<DockIconTypeInfo, kKapTypeCount>& AllDockIconTypes() {
    static const std::array<DockIconTypeInfo, kKapTypeCount> types = {{
        {KapType::Note, "KAP_NOTE", "New Note"},
        {KapType::PhotoAlbum, "KAP_PHOTOALBUM", "New Photo Album"},
        {KapType::Calc, "KAP_CALC", "New Calc"},
        {KapType::Clock, "KAP_CLOCK", "New Clock"},
        {KapType::Weather, "KAP_WEATHER", "New Weather"},
        {KapType::Account, "KAP_ACCOUNT", "New Account"},
        {KapType::Calendar, "KAP_CALENDAR", "New Calendar"},
        {KapType::News, "KAP_NEWS", "New RSS Reader"},
        {KapType::Link, "KAP_LINK", "New Link"},
        {KapType::RemoteWmp, "KAP_REMOTEWMP", "New Remote Media Player"},
        {KapType::Mail, "KAP_MAILALERT", "New Mail Alert"},
        {KapType::Google, "KAP_GOOGLESEARCH", "New Google Search"},
        {KapType::Trash, "KAP_TRASH", "New Trash"},
    }};
    return types;
}

const DockIconTypeInfo& DockIconTypeOf(KapType kap) { return AllDockIconTypes()[static_cast<std::size_t>(kap)]; }

std::optional<KapType> KapTypeFromIconType(const std::string& type) {
    for (const DockIconTypeInfo& info : AllDockIconTypes())
        if (EqualsNoCase(type, info.type)) return info.kap;
    return std::nullopt;
}

} // namespace vimo
