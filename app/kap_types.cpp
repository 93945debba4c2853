#include "app/kap_types.h"

#include "app/text_util.h"

namespace vimo {

namespace {
constexpr unsigned kWmUser = 0x0400;
} // namespace

const std::array<KapTypeInfo, kKapTypeCount>& AllKapTypes() {
    static const std::array<KapTypeInfo, kKapTypeCount> types = {{
        {KapType::Note, "VIMONOTE", 163, kWmUser + 1110, false},
        {KapType::PhotoAlbum, "VIMOPHOTOALBUM", 164, kWmUser + 1111, false},
        {KapType::Calc, "VIMOCALC", 184, kWmUser + 1112, false},
        {KapType::Clock, "VIMOCLOCK", 185, kWmUser + 1113, false},
        {KapType::Weather, "VIMOWEATHER", 298, kWmUser + 1120, false},
        {KapType::Account, "VIMOACCOUNT", 311, kWmUser + 1121, false},
        {KapType::Calendar, "VIMOCALENDAR", 190, kWmUser + 1114, false},
        {KapType::News, "VIMONEWS", 197, kWmUser + 1115, false},
        {KapType::Link, "VIMOLINK", 276, kWmUser + 1119, false},
        {KapType::RemoteWmp, "VIMOREMOTEWMP", 208, kWmUser + 1116, true},
        {KapType::Mail, "VIMOMAIL", 230, kWmUser + 1117, false},
        {KapType::Google, "VIMOGOOGLE", 247, kWmUser + 1118, false},
        {KapType::Trash, "VIMOTRASH", 335, kWmUser + 1122, true},
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
