#include "bars/dock/dock_actions.h"

#include "base/resource.h"
#include "base/text_util.h"

namespace vimo {

namespace {

constexpr const char kMyComputer[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr const char kMyNetworkPlace[] = "::{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr const char kMyNetworkConnexions[] = "::{7007ACC7-3202-11D1-AAD2-00805FC1270E}";
constexpr const char kMyDocuments[] = "::{450D8FBA-AD25-11D0-98A8-0800361B1103}";
constexpr const char kControlPanel[] =
    "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-08002B30309D}";
constexpr const char kRecycleBin[] = "::{645FF040-5081-101B-9F08-00AA002F954E}";

} // namespace

const std::array<DockActionInfo, kDockActionCount>& AllDockActions() {
    using A = DockAction;
    using E = DockEffect;
    static const std::array<DockActionInfo, kDockActionCount> actions = {{
        {A::None, "None", E::Nothing, 0, nullptr},
        {A::StartMenu, "Start Menu", E::StartMenu, 0, nullptr},
        {A::MyComputer, "My Computer", E::OpenShell, 0, kMyComputer},
        {A::MyNetworkPlace, "My Network Place", E::OpenShell, 0, kMyNetworkPlace},
        {A::MyNetworkConnexions, "My Network Connexions", E::OpenShell, 0, kMyNetworkConnexions},
        {A::MyDocuments, "My Documents", E::OpenShell, 0, kMyDocuments},
        {A::ControlPanel, "Control Panel", E::OpenShell, 0, kControlPanel},
        {A::RecycleBin, "Recycle Bin", E::OpenShell, 0, kRecycleBin},
        {A::ShowDesktop, "Show Desktop", E::MinimizeAll, 0, nullptr},
        {A::ShowWindows, "Show Windows", E::UndoMinimizeAll, 0, nullptr},
        {A::SendToBack, "Send to Back", E::ControllerCommand, ID_ALL_TO_BACK, nullptr},
        {A::BringToFront, "Bring to Front", E::ControllerCommand, ID_ALL_TO_FRONT, nullptr},
        {A::LockAll, "Lock All", E::ControllerCommand, ID_LOCK_ALL, nullptr},
        {A::UnlockAll, "Unlock All", E::ControllerCommand, ID_UNLOCK_ALL, nullptr},
        {A::ShowNormal, "Show Normal", E::ControllerCommand, ID_WINDOWS_NORMAL, nullptr},
        {A::RestoreWindows, "Restore Windows", E::ControllerCommand, ID_WINDOWS_RESTORE, nullptr},
        {A::MinimizeWindows, "Minimize Windows", E::ControllerCommand, ID_WINDOWS_MINIMIZE, nullptr},
        {A::MaximizeWindows, "Maximize Windows", E::ControllerCommand, ID_WINDOWS_MAXIMIZE, nullptr},
        {A::ReduceWindows, "Reduce Windows", E::Nothing, 0, nullptr},
        {A::CloseWindows, "Close Windows", E::ControllerCommand, ID_WINDOWS_CLOSE, nullptr},
        {A::ToggleTaskbar, "Show / Hide Taskbar", E::ToggleTaskbar, 0, nullptr},
        {A::Config, "Config", E::ControllerCommand, ID_APP_OPTIONS, nullptr},
        {A::Exit, "Exit", E::ControllerCommand, ID_APP_EXIT, nullptr},
        {A::UserShortcut, "User Shortcut", E::OpenShell, 0, nullptr},
    }};
    return actions;
}

const DockActionInfo& DockActionInfoOf(DockAction action) { return AllDockActions()[static_cast<std::size_t>(action)]; }

const char* DockActionText(DockAction action) { return DockActionInfoOf(action).text; }

std::optional<DockAction> DockActionFromText(const std::string& text) {
    for (const DockActionInfo& info : AllDockActions())
        if (EqualsNoCase(text, info.text)) return info.action;
    return std::nullopt;
}

const std::vector<std::string>& DockActionListEntries() {
    // The last action of each group; a separator follows it.
    static const std::vector<std::string> entries = [] {
        using A = DockAction;
        const DockAction groupEnds[] = {A::None, A::RecycleBin, A::ShowWindows, A::UnlockAll, A::CloseWindows, A::Exit};
        std::vector<std::string> list;
        for (const DockActionInfo& info : AllDockActions()) {
            list.emplace_back(info.text);
            for (DockAction end : groupEnds)
                if (info.action == end) list.emplace_back(kDockActionSeparator);
        }
        return list;
    }();
    return entries;
}

std::string DockActionImageName(DockAction action) {
    std::string name = "ACTION_";
    for (const char* c = DockActionText(action); *c; ++c)
        if (*c != ' ' && *c != '/') name += *c;
    return ToUpperAscii(name) + ".PNG";
}

std::string StartMenuFallbackImage(const std::string& programDir) {
    return programDir + "\\Skin\\Default\\BtnStart.png";
}

} // namespace vimo
