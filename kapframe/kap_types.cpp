#include "kapframe/kap_types.h"

#include "base/text_util.h"

namespace vimo {

namespace {
constexpr unsigned kWmUser = 0x0400;
} // namespace

const std::array<KapTypeInfo, kKapTypeCount>& AllKapTypes() {
    static const std::array<KapTypeInfo, kKapTypeCount> types = {{
        {KapType::Note, "VIMONOTE", 163, kWmUser + 1110, false, 2, 300, 162, 139, SkinType::Note},
        {KapType::PhotoAlbum, "VIMOPHOTOALBUM", 164, kWmUser + 1111, false, 3, 303, 173, 174, SkinType::PhotoAlbum},
        {KapType::Calc, "VIMOCALC", 184, kWmUser + 1112, false, 4, 304, 182, 183, SkinType::Calc},
        {KapType::Clock, "VIMOCLOCK", 185, kWmUser + 1113, false, 5, 305, 186, 187, SkinType::Clock},
        {KapType::Weather, "VIMOWEATHER", 298, kWmUser + 1120, false, 14, 309, 296, 297, SkinType::Weather},
        {KapType::Account, "VIMOACCOUNT", 311, kWmUser + 1121, false, 15, 312, 313, 314, SkinType::Account},
        {KapType::Calendar, "VIMOCALENDAR", 190, kWmUser + 1114, false, 6, 306, 191, 192, SkinType::Calendar},
        {KapType::News, "VIMONEWS", 197, kWmUser + 1115, false, 7, 301, 198, 199, SkinType::News},
        {KapType::Link, "VIMOLINK", 276, kWmUser + 1119, false, 13, 302, 277, 278, SkinType::Link},
        {KapType::RemoteWmp, "VIMOREMOTEWMP", 208, kWmUser + 1116, true, 8, 310, 209, 210, SkinType::RemoteWmp},
        {KapType::Mail, "VIMOMAIL", 230, kWmUser + 1117, false, 9, 307, 231, 232, SkinType::Mail},
        {KapType::Google, "VIMOGOOGLE", 247, kWmUser + 1118, false, 10, 308, 249, 250, SkinType::Google},
        {KapType::Trash, "VIMOTRASH", 335, kWmUser + 1122, true, 16, 332, 333, 334, SkinType::Trash},
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
