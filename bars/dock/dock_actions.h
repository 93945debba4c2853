#pragma once
// The actions a dock icon can run: their texts as the icon dialog lists them, and what each one
// asks the dock window to do.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

enum class DockAction {
    None,
    StartMenu,
    MyComputer,
    MyNetworkPlace,
    MyNetworkConnexions,
    MyDocuments,
    ControlPanel,
    RecycleBin,
    ShowDesktop,
    ShowWindows,
    SendToBack,
    BringToFront,
    LockAll,
    UnlockAll,
    ShowNormal,
    RestoreWindows,
    MinimizeWindows,
    MaximizeWindows,
    ReduceWindows,
    CloseWindows,
    ToggleTaskbar,
    Config,
    Exit,
    UserShortcut,
};
constexpr std::size_t kDockActionCount = 24;

// What the dock window does for an action.
enum class DockEffect {
    Nothing,           // "None", "Reduce Windows"
    StartMenu,         // open the system start menu at the pointer
    OpenShell,         // ShellExecute "open" on a target (a shell place, or the icon's parameter)
    MinimizeAll,       // the shell's minimize-all
    UndoMinimizeAll,   // the shell's undo of its minimize-all
    ControllerCommand, // post the command to the controller window (window bar commands reach the bar through it)
    ToggleTaskbar,     // show the task bar when it is hidden, hide it when it is visible
};

struct DockActionInfo {
    DockAction action;
    const char* text; // as stored in the document and listed in the icon dialog
    DockEffect effect;
    unsigned command;       // ControllerCommand: the menu command id; 0 otherwise
    const char* shellPlace; // OpenShell of a fixed place: the target; null for the icon's parameter
};

// Every action in the order of the icon dialog's list (separators aside).
const std::array<DockActionInfo, kDockActionCount>& AllDockActions();
const DockActionInfo& DockActionInfoOf(DockAction action);
const char* DockActionText(DockAction action);
// The action of a stored text; letter case is ignored. None for any other text (a separator line
// included), which runs nothing.
std::optional<DockAction> DockActionFromText(const std::string& text);

// The line that separates groups in the icon dialog's action list; choosing it stores nothing.
constexpr const char kDockActionSeparator[] = "------------------------------";

// The entries of the icon dialog's action list, in order: the action texts with separator lines
// between the groups (kap icons, shell places, desktop, kap commands, window commands, program,
// user shortcut).
const std::vector<std::string>& DockActionListEntries();

// The image file an icon of the dock skin shows for an action: "ACTION_" and the action's text in
// upper case without blanks and "/", then ".PNG" ("ACTION_SHOWHIDETASKBAR.PNG").
std::string DockActionImageName(DockAction action);

// The image a "Start Menu" icon falls back to when its own file does not exist.
std::string StartMenuFallbackImage(const std::string& programDir);

} // namespace vimo
