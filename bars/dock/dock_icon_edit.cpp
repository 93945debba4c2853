#include "bars/dock/dock_icon_edit.h"

#include "base/text_util.h"
#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_icon_types.h"

namespace vimo {

namespace {

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The last part of a path or address, without the separators that end it.
std::string LastPart(std::string text) {
    while (!text.empty() && (text.back() == '\\' || text.back() == '/')) text.pop_back();
    const std::size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

} // namespace

std::optional<std::size_t> ActionListIndex(const std::string& action) {
    const std::vector<std::string>& entries = DockActionListEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] != kDockActionSeparator && EqualsNoCase(entries[i], action)) return i;
    return std::nullopt;
}

std::optional<DockAction> ActionAtListIndex(std::size_t index) {
    const std::vector<std::string>& entries = DockActionListEntries();
    if (index >= entries.size()) return std::nullopt;
    return DockActionFromText(entries[index]);
}

DockIcon ApplyIconEdit(const DockIcon& before, const IconEditFields& fields) {
    DockIcon icon = before;
    icon.image = Trimmed(fields.image);
    icon.title = fields.title;
    if (KapTypeFromIconType(before.type)) return icon;
    if (fields.action) icon.action = DockActionText(*fields.action);
    const std::string parameter = Trimmed(fields.parameter);
    icon.parameter = parameter.empty() ? std::string("NULL") : parameter;
    return icon;
}

std::optional<std::string> ImageAfterActionChange(const std::string& image, DockAction from, DockAction to,
                                                  const std::string& skinFolder) {
    if (to == DockAction::None || from == to) return std::nullopt;
    const std::string current = Trimmed(image);
    const bool skinPicture = current.empty() || EqualsNoCase(current, skinFolder + DockActionImageName(from)) ||
                             EqualsNoCase(current, skinFolder + DockIconTypeImageName(kShortcutIconType));
    if (!skinPicture) return std::nullopt;
    return skinFolder + DockActionImageName(to);
}

std::optional<DockIcon> IconForDrop(const std::string& dropped, const std::string& skinFolder) {
    const std::string target = Trimmed(dropped);
    if (target.empty()) return std::nullopt;
    std::string title;
    const std::size_t scheme = target.find("://");
    if (scheme != std::string::npos) {
        // An address: its host names it.
        const std::string rest = target.substr(scheme + 3);
        title = rest.substr(0, rest.find_first_of("/\\?#"));
    } else {
        title = LastPart(target);
        const std::size_t dot = title.rfind('.');
        if (dot != std::string::npos && dot > 0) title.erase(dot);
    }
    if (title.empty()) title = target;
    return DockIcon{kShortcutIconType, skinFolder + DockActionImageName(DockAction::UserShortcut),
                    DockActionText(DockAction::UserShortcut), target, title};
}

} // namespace vimo
