#pragma once
// The kap types the controller window keeps, with their type tags, creation commands and
// kap deleted messages.
#include <array>
#include <optional>
#include <string>

#include "layer/skin/skin_type.h"

namespace vimo {

// In the controller's loading order.
enum class KapType {
    Note,
    PhotoAlbum,
    Calc,
    Clock,
    Weather,
    Account,
    Calendar,
    News,
    Link,
    RemoteWmp,
    Mail,
    Google,
    Trash,
};
constexpr std::size_t kKapTypeCount = 13;

struct KapTypeInfo {
    KapType type;
    const char* tag;         // document extension, e.g. "VIMONOTE"
    unsigned createCommand;  // tray menu command that creates one
    unsigned deletedMessage; // WMU_..._DELETED, posted by a kap after its deletion
    bool single;             // at most one exists (media player remote, trash)
    unsigned popup;          // 1-based position of the kap's context menu in IDR_MENU_KAPS
    unsigned topMostCommand, lockCommand, deleteCommand;
    SkinType skin; // the skin record the kap is drawn from
};

const std::array<KapTypeInfo, kKapTypeCount>& AllKapTypes();
const KapTypeInfo& InfoOf(KapType type);
std::optional<KapType> KapTypeFromCommand(unsigned command);
std::optional<KapType> KapTypeFromDeletedMessage(unsigned message);
// The type whose tag equals the part of a file name after its last "." (letter case ignored).
std::optional<KapType> KapTypeFromFileName(const std::string& fileName);

} // namespace vimo
