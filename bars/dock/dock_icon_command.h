#pragma once
// What a click on a dock icon asks for, and the icons the dock's "Add" menu appends.
#include <optional>
#include <string>

#include "kapframe/kap_types.h"
#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_document.h"

namespace vimo {

struct DockIconCommand {
    enum class Kind {
        Nothing,
        CreateKap,         // kap: create one through the controller (command: its creation command)
        ControllerCommand, // command: post it to the controller window
        OpenShell,         // target: open it with the shell verb "open"
        MinimizeAll,
        UndoMinimizeAll,
        ToggleTaskbar,
        StartMenu,
    };
    Kind kind = Kind::Nothing;
    KapType kap = KapType::Note; // CreateKap only
    unsigned command = 0;        // CreateKap and ControllerCommand
    std::string target;          // OpenShell only
};

// By the icon's type: a kap type creates that kap; any other type runs the icon's action. An
// unknown action, a separator, "None" and "Reduce Windows" do nothing; "User Shortcut" opens the
// parameter, and nothing when there is none.
DockIconCommand ResolveIconClick(const DockIcon& icon);

// The icon an entry of the "Add" menu appends: for a kap creation command an icon of that kap
// type with action "None", parameter "NULL" and the type's default title; for the new-shortcut
// command a "KAP_SHORTCUT" icon running "User Shortcut" titled "New Shortcut" (the caller then
// opens the icon dialog for it). The image is the skin's picture for the type below skinFolder
// (the dock skin's folder, ending in a backslash). None for other commands.
std::optional<DockIcon> IconForAddCommand(unsigned command, const std::string& skinFolder);

// True for the "Add" menu command after which the icon dialog opens for the new icon.
bool AddCommandEditsIcon(unsigned command);

// The image of the dock skin for an icon type ("KAP_NOTE.PNG", "KAP_SHORTCUT.PNG").
std::string DockIconTypeImageName(const std::string& type);

// A program and its parameters, as given to the shell.
struct ShellLaunch {
    std::string file;
    std::string parameters;
};

// The second try for a target the shell did not open: a shell place ("::{CLSID}", possibly
// followed by more "\::{CLSID}" parts) opens through the explorer as "explorer.exe" with
// "/e," and the place. None for any other target: it is not tried again.
std::optional<ShellLaunch> ShellPlaceFallback(const std::string& target);

} // namespace vimo
