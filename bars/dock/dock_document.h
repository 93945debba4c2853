#pragma once
// The plain text of the dock's document "MAIN0000000000.VIMOREMOTEKAP": a header line ("A", the
// kap name, "L" locked or "U"), x, y, width and height, then five lines per icon (type, image,
// action, parameter, title). Every line ends with LF.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "kapframe/kap_document.h"

namespace vimo {

constexpr const char kDockKapName[] = "MAIN0000000000";
constexpr const char kDockTypeTag[] = "VIMOREMOTEKAP";

// Icons beyond this many in a document are not read: a damaged or hand-made file cannot make the
// dock build thousands of windowless buttons.
constexpr std::size_t kMaxDockIcons = 256;

struct DockIcon {
    std::string type;      // "KAP_NOTE" ... or "KAP_SHORTCUT"
    std::string image;     // path of the icon image
    std::string action;    // "None" for kap icons, otherwise an action text
    std::string parameter; // target of a shortcut, "NULL" when there is none
    std::string title;

    bool operator==(const DockIcon& o) const {
        return type == o.type && image == o.image && action == o.action && parameter == o.parameter && title == o.title;
    }
};

struct DockDocument {
    bool locked = false;
    KapRect rect;
    std::vector<DockIcon> icons;
};

// The document text. The kap name is always kDockKapName. Line breaks inside a value would shift
// every following line, so CR and LF in values are written as blanks; an empty parameter is
// written as "NULL".
std::string ComposeDockText(const DockDocument& document);

// Reads a document text; none when it is not usable (no first line, or one that does not start
// with "A"). Damage is tolerated: a CR before an LF is dropped, a missing rectangle line keeps the
// value of `fallback`, a line that is no number reads as 0, an icon whose type line is empty is
// skipped, the lines missing from the last icon read as empty, and icons after kMaxDockIcons are
// ignored.
std::optional<DockDocument> ParseDockText(const std::string& text, const KapRect& fallback);

// True when a parameter names a target: neither empty nor "NULL" (in any letter case).
bool HasDockParameter(const std::string& parameter);

} // namespace vimo
