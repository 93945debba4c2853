#pragma once
// The type word of a dock icon: a kap type identifier ("KAP_NOTE", ...) for an icon that creates a
// kap, or "KAP_SHORTCUT" for an icon that runs its action.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "kapframe/kap_types.h"

namespace vimo {

constexpr const char kShortcutIconType[] = "KAP_SHORTCUT";
constexpr const char kShortcutIconTitle[] = "New Shortcut";

struct DockIconTypeInfo {
    KapType kap;
    const char* type;         // "KAP_NOTE"
    const char* defaultTitle; // "New Note"
};

// Every kap type in the order of the kap types (note first, trash last).
const std::array<DockIconTypeInfo, kKapTypeCount>& AllDockIconTypes();
const DockIconTypeInfo& DockIconTypeOf(KapType kap);
// The kap an icon type creates; none for "KAP_SHORTCUT" and for unknown words. Letter case is
// ignored, as a document may have been edited by hand.
std::optional<KapType> KapTypeFromIconType(const std::string& type);

} // namespace vimo
