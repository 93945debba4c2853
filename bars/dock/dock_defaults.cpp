#include "bars/dock/dock_defaults.h"

#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_icon_types.h"

namespace vimo {

DockDocument NewDockDocument(int designWidth, int designHeight, const std::string& skinFolder,
                             const std::function<bool(KapType)>& available) {
    DockDocument document;
    document.rect = KapRect{0, 0, designWidth, designHeight};
    for (const DockIconTypeInfo& info : AllDockIconTypes()) {
        if (!available(info.kap)) continue;
        if (std::optional<DockIcon> icon = IconForAddCommand(InfoOf(info.kap).createCommand, skinFolder))
            document.icons.push_back(*icon);
    }
    for (DockAction action : {DockAction::MyComputer, DockAction::MyDocuments, DockAction::ControlPanel,
                              DockAction::RecycleBin, DockAction::ShowDesktop}) {
        const std::string text = DockActionText(action);
        document.icons.push_back(
            DockIcon{kShortcutIconType, skinFolder + DockActionImageName(action), text, "NULL", text});
    }
    return document;
}

} // namespace vimo
