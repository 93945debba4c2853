#include "bars/dock/dock_icon_command.h"

#include "base/resource.h"
#include "base/text_util.h"
#include "bars/dock/dock_icon_types.h"

namespace vimo {

DockIconCommand ResolveIconClick(const DockIcon& icon) {
    DockIconCommand result;
    if (std::optional<KapType> kap = KapTypeFromIconType(icon.type)) {
        result.kind = DockIconCommand::Kind::CreateKap;
        result.kap = *kap;
        result.command = InfoOf(*kap).createCommand;
        return result;
    }
    const std::optional<DockAction> action = DockActionFromText(icon.action);
    if (!action) return result;
    const DockActionInfo& info = DockActionInfoOf(*action);
    using Kind = DockIconCommand::Kind;
    switch (info.effect) {
    case DockEffect::Nothing: break;
    case DockEffect::StartMenu: result.kind = Kind::StartMenu; break;
    case DockEffect::OpenShell:
        if (info.shellPlace) {
            result.kind = Kind::OpenShell;
            result.target = info.shellPlace;
        } else if (HasDockParameter(icon.parameter)) {
            result.kind = Kind::OpenShell;
            result.target = icon.parameter;
        }
        break;
    case DockEffect::MinimizeAll: result.kind = Kind::MinimizeAll; break;
    case DockEffect::UndoMinimizeAll: result.kind = Kind::UndoMinimizeAll; break;
    case DockEffect::ControllerCommand:
        result.kind = Kind::ControllerCommand;
        result.command = info.command;
        break;
    case DockEffect::ToggleTaskbar: result.kind = Kind::ToggleTaskbar; break;
    }
    return result;
}

std::optional<DockIcon> IconForAddCommand(unsigned command, const std::string& skinFolder) {
    if (AddCommandEditsIcon(command)) {
        return DockIcon{kShortcutIconType, skinFolder + DockIconTypeImageName(kShortcutIconType),
                        DockActionText(DockAction::UserShortcut), "NULL", kShortcutIconTitle};
    }
    const std::optional<KapType> kap = KapTypeFromCommand(command);
    if (!kap) return std::nullopt;
    const DockIconTypeInfo& info = DockIconTypeOf(*kap);
    return DockIcon{info.type, skinFolder + DockIconTypeImageName(info.type), DockActionText(DockAction::None), "NULL",
                    info.defaultTitle};
}

bool AddCommandEditsIcon(unsigned command) { return command == ID_NEW_SHORTCUT; }

std::string DockIconTypeImageName(const std::string& type) { return ToUpperAscii(type) + ".PNG"; }

std::optional<ShellLaunch> ShellPlaceFallback(const std::string& target) {
    if (target.compare(0, 3, "::{") != 0) return std::nullopt;
    return ShellLaunch{"explorer.exe", "/e," + target};
}

} // namespace vimo
