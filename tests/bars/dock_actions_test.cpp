// The dock's icon types, its action list, what an icon click asks for, the icons of the "Add"
// menu and the content of a new dock.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "kapframe/kap_types.h"
#include "base/resource.h"
#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_defaults.h"
#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_icon_types.h"

namespace vimo {
namespace {

const std::string kFolder = "C:\\VIMO\\SKIN\\DEFAULT\\VimoRemoteKap\\";

DockIcon Shortcut(const std::string& action, const std::string& parameter = "NULL") {
    return DockIcon{kShortcutIconType, "img", action, parameter, "t"};
}

TEST(DockIconTypes, EveryKapTypeHasItsIdentifierAndDefaultTitle) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"KAP_NOTE", "New Note"},
        {"KAP_PHOTOALBUM", "New Photo Album"},
        {"KAP_CALC", "New Calc"},
        {"KAP_CLOCK", "New Clock"},
        {"KAP_WEATHER", "New Weather"},
        {"KAP_ACCOUNT", "New Account"},
        {"KAP_CALENDAR", "New Calendar"},
        {"KAP_NEWS", "New RSS Reader"},
        {"KAP_LINK", "New Link"},
        {"KAP_REMOTEWMP", "New Remote Media Player"},
        {"KAP_MAILALERT", "New Mail Alert"},
        {"KAP_GOOGLESEARCH", "New Google Search"},
        {"KAP_TRASH", "New Trash"},
    };
    ASSERT_EQ(AllDockIconTypes().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DockIconTypeInfo& info = AllDockIconTypes()[i];
        EXPECT_EQ(info.type, expected[i].first);
        EXPECT_EQ(info.defaultTitle, expected[i].second);
        EXPECT_EQ(&DockIconTypeOf(info.kap), &info) << "indexed by the kap type";
        EXPECT_EQ(KapTypeFromIconType(info.type), info.kap);
    }
    EXPECT_EQ(DockIconTypeOf(KapType::Mail).type, std::string("KAP_MAILALERT"));
    EXPECT_EQ(DockIconTypeOf(KapType::Google).type, std::string("KAP_GOOGLESEARCH"));
    EXPECT_EQ(DockIconTypeOf(KapType::RemoteWmp).type, std::string("KAP_REMOTEWMP"));
    EXPECT_EQ(KapTypeFromIconType("kap_trash"), KapType::Trash);
    EXPECT_FALSE(KapTypeFromIconType(kShortcutIconType));
    EXPECT_FALSE(KapTypeFromIconType("KAP_MAIL")) << "the tag word is not the icon type";
    EXPECT_FALSE(KapTypeFromIconType(""));
    EXPECT_STREQ(kShortcutIconTitle, "New Shortcut");
}

TEST(DockActionList, TextsInDialogOrderWithSeparatorLines) {
    const std::string sep = "------------------------------";
    EXPECT_EQ(sep, kDockActionSeparator);
    const std::vector<std::string> expected = {
        "None",
        sep,
        "Start Menu",
        "My Computer",
        "My Network Place",
        "My Network Connexions",
        "My Documents",
        "Control Panel",
        "Recycle Bin",
        sep,
        "Show Desktop",
        "Show Windows",
        sep,
        "Send to Back",
        "Bring to Front",
        "Lock All",
        "Unlock All",
        sep,
        "Show Normal",
        "Restore Windows",
        "Minimize Windows",
        "Maximize Windows",
        "Reduce Windows",
        "Close Windows",
        sep,
        "Show / Hide Taskbar",
        "Config",
        "Exit",
        sep,
        "User Shortcut",
    };
    EXPECT_EQ(DockActionListEntries(), expected);
    for (const DockActionInfo& info : AllDockActions()) {
        EXPECT_EQ(DockActionFromText(info.text), info.action) << info.text;
        EXPECT_EQ(&DockActionInfoOf(info.action), &info);
    }
    EXPECT_EQ(DockActionFromText("show / hide taskbar"), DockAction::ToggleTaskbar);
    EXPECT_FALSE(DockActionFromText(sep));
    EXPECT_FALSE(DockActionFromText("Show/Hide Taskbar"));
    EXPECT_FALSE(DockActionFromText(""));
}

TEST(DockActionList, EffectsAndTargets) {
    struct Row {
        DockAction action;
        DockEffect effect;
        unsigned command;
        const char* place;
    };
    const Row rows[] = {
        {DockAction::None, DockEffect::Nothing, 0, nullptr},
        {DockAction::StartMenu, DockEffect::StartMenu, 0, nullptr},
        {DockAction::MyComputer, DockEffect::OpenShell, 0, "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
        {DockAction::MyNetworkPlace, DockEffect::OpenShell, 0, "::{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
        {DockAction::MyNetworkConnexions, DockEffect::OpenShell, 0, "::{7007ACC7-3202-11D1-AAD2-00805FC1270E}"},
        {DockAction::MyDocuments, DockEffect::OpenShell, 0, "::{450D8FBA-AD25-11D0-98A8-0800361B1103}"},
        {DockAction::ControlPanel, DockEffect::OpenShell, 0,
         "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\::{21EC2020-3AEA-1069-A2DD-08002B30309D}"},
        {DockAction::RecycleBin, DockEffect::OpenShell, 0, "::{645FF040-5081-101B-9F08-00AA002F954E}"},
        {DockAction::ShowDesktop, DockEffect::MinimizeAll, 0, nullptr},
        {DockAction::ShowWindows, DockEffect::UndoMinimizeAll, 0, nullptr},
        {DockAction::SendToBack, DockEffect::ControllerCommand, ID_ALL_TO_BACK, nullptr},
        {DockAction::BringToFront, DockEffect::ControllerCommand, ID_ALL_TO_FRONT, nullptr},
        {DockAction::LockAll, DockEffect::ControllerCommand, ID_LOCK_ALL, nullptr},
        {DockAction::UnlockAll, DockEffect::ControllerCommand, ID_UNLOCK_ALL, nullptr},
        {DockAction::ShowNormal, DockEffect::ControllerCommand, ID_WINDOWS_NORMAL, nullptr},
        {DockAction::RestoreWindows, DockEffect::ControllerCommand, ID_WINDOWS_RESTORE, nullptr},
        {DockAction::MinimizeWindows, DockEffect::ControllerCommand, ID_WINDOWS_MINIMIZE, nullptr},
        {DockAction::MaximizeWindows, DockEffect::ControllerCommand, ID_WINDOWS_MAXIMIZE, nullptr},
        {DockAction::ReduceWindows, DockEffect::Nothing, 0, nullptr},
        {DockAction::CloseWindows, DockEffect::ControllerCommand, ID_WINDOWS_CLOSE, nullptr},
        {DockAction::ToggleTaskbar, DockEffect::ToggleTaskbar, 0, nullptr},
        {DockAction::Config, DockEffect::ControllerCommand, ID_APP_OPTIONS, nullptr},
        {DockAction::Exit, DockEffect::ControllerCommand, ID_APP_EXIT, nullptr},
        {DockAction::UserShortcut, DockEffect::OpenShell, 0, nullptr},
    };
    ASSERT_EQ(std::size(rows), kDockActionCount);
    for (const Row& row : rows) {
        const DockActionInfo& info = DockActionInfoOf(row.action);
        EXPECT_EQ(info.effect, row.effect) << info.text;
        EXPECT_EQ(info.command, row.command) << info.text;
        EXPECT_EQ(info.shellPlace == nullptr, row.place == nullptr) << info.text;
        if (row.place && info.shellPlace) {
            EXPECT_STREQ(info.shellPlace, row.place) << info.text;
        }
    }
}

TEST(DockActionList, ImageNamesOfTheDockSkin) {
    EXPECT_EQ(DockActionImageName(DockAction::ToggleTaskbar), "ACTION_SHOWHIDETASKBAR.PNG");
    EXPECT_EQ(DockActionImageName(DockAction::MyNetworkConnexions), "ACTION_MYNETWORKCONNEXIONS.PNG");
    EXPECT_EQ(DockActionImageName(DockAction::SendToBack), "ACTION_SENDTOBACK.PNG");
    EXPECT_EQ(DockIconTypeImageName("KAP_NOTE"), "KAP_NOTE.PNG");
    EXPECT_EQ(DockIconTypeImageName("kap_shortcut"), "KAP_SHORTCUT.PNG");
    EXPECT_EQ(StartMenuFallbackImage("C:\\Vimo"), "C:\\Vimo\\Skin\\Default\\BtnStart.png");
}

TEST(DockIconClick, KapIconsCreateTheirKapWhateverTheirAction) {
    for (const DockIconTypeInfo& info : AllDockIconTypes()) {
        const DockIconCommand command = ResolveIconClick(DockIcon{info.type, "img", "Exit", "NULL", "x"});
        EXPECT_EQ(command.kind, DockIconCommand::Kind::CreateKap) << info.type;
        EXPECT_EQ(command.kap, info.kap) << info.type;
        EXPECT_EQ(command.command, InfoOf(info.kap).createCommand) << info.type;
    }
    const DockIconCommand note = ResolveIconClick(DockIcon{"KAP_NOTE", "", "None", "NULL", ""});
    EXPECT_EQ(note.command, static_cast<unsigned>(ID_NEW_NOTE));
}

TEST(DockIconClick, OtherIconsRunTheirAction) {
    using Kind = DockIconCommand::Kind;
    EXPECT_EQ(ResolveIconClick(Shortcut("None")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("Reduce Windows")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut(kDockActionSeparator)).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("Launch Rockets")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("Start Menu")).kind, Kind::StartMenu);
    EXPECT_EQ(ResolveIconClick(Shortcut("Show Desktop")).kind, Kind::MinimizeAll);
    EXPECT_EQ(ResolveIconClick(Shortcut("Show Windows")).kind, Kind::UndoMinimizeAll);
    EXPECT_EQ(ResolveIconClick(Shortcut("Show / Hide Taskbar")).kind, Kind::ToggleTaskbar);

    const DockIconCommand bin = ResolveIconClick(Shortcut("Recycle Bin", "C:\\ignored.txt"));
    EXPECT_EQ(bin.kind, Kind::OpenShell);
    EXPECT_EQ(bin.target, "::{645FF040-5081-101B-9F08-00AA002F954E}") << "a shell place ignores the parameter";

    const DockIconCommand exit = ResolveIconClick(Shortcut("Exit"));
    EXPECT_EQ(exit.kind, Kind::ControllerCommand);
    EXPECT_EQ(exit.command, static_cast<unsigned>(ID_APP_EXIT));
    const DockIconCommand close = ResolveIconClick(Shortcut("Close Windows"));
    EXPECT_EQ(close.kind, Kind::ControllerCommand);
    EXPECT_EQ(close.command, static_cast<unsigned>(ID_WINDOWS_CLOSE));

    const DockIconCommand unknownType = ResolveIconClick(DockIcon{"KAP_SOMETHING", "", "Lock All", "NULL", ""});
    EXPECT_EQ(unknownType.kind, Kind::ControllerCommand) << "a type that is no kap runs its action";
    EXPECT_EQ(unknownType.command, static_cast<unsigned>(ID_LOCK_ALL));
}

TEST(DockIconClick, UserShortcutOpensItsParameterOnlyWhenThereIsOne) {
    using Kind = DockIconCommand::Kind;
    const DockIconCommand run = ResolveIconClick(Shortcut("User Shortcut", "C:\\Tools\\ed.exe"));
    EXPECT_EQ(run.kind, Kind::OpenShell);
    EXPECT_EQ(run.target, "C:\\Tools\\ed.exe");
    EXPECT_EQ(ResolveIconClick(Shortcut("User Shortcut", "NULL")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("User Shortcut", "Null")).kind, Kind::Nothing);
    EXPECT_EQ(ResolveIconClick(Shortcut("User Shortcut", "")).kind, Kind::Nothing);
}

TEST(DockAddMenu, KapCommandsAppendKapIconsAndTheShortcutCommandAShortcut) {
    for (const KapTypeInfo& kap : AllKapTypes()) {
        const auto icon = IconForAddCommand(kap.createCommand, kFolder);
        ASSERT_TRUE(icon) << kap.tag;
        const DockIconTypeInfo& info = DockIconTypeOf(kap.type);
        EXPECT_EQ(*icon, (DockIcon{info.type, kFolder + info.type + ".PNG", "None", "NULL", info.defaultTitle}));
        EXPECT_FALSE(AddCommandEditsIcon(kap.createCommand));
        EXPECT_EQ(ResolveIconClick(*icon).kap, kap.type);
    }
    const auto shortcut = IconForAddCommand(ID_NEW_SHORTCUT, kFolder);
    ASSERT_TRUE(shortcut);
    EXPECT_EQ(*shortcut,
              (DockIcon{"KAP_SHORTCUT", kFolder + "KAP_SHORTCUT.PNG", "User Shortcut", "NULL", "New Shortcut"}));
    EXPECT_TRUE(AddCommandEditsIcon(ID_NEW_SHORTCUT));
    EXPECT_EQ(ResolveIconClick(*shortcut).kind, DockIconCommand::Kind::Nothing) << "until it has a parameter";

    EXPECT_FALSE(IconForAddCommand(ID_APP_EXIT, kFolder));
    EXPECT_FALSE(IconForAddCommand(0, kFolder));
}

TEST(NewDock, OneIconPerKapTypeThenShellPlaces) {
    const DockDocument dock = NewDockDocument(244, 144, kFolder, [](KapType) { return true; });
    EXPECT_FALSE(dock.locked);
    EXPECT_EQ(dock.rect.width, 244);
    EXPECT_EQ(dock.rect.height, 144);
    ASSERT_EQ(dock.icons.size(), kKapTypeCount + 5);
    std::set<KapType> kaps;
    for (std::size_t i = 0; i < kKapTypeCount; ++i) {
        const DockIconCommand command = ResolveIconClick(dock.icons[i]);
        ASSERT_EQ(command.kind, DockIconCommand::Kind::CreateKap);
        kaps.insert(command.kap);
        EXPECT_EQ(dock.icons[i].title, DockIconTypeOf(command.kap).defaultTitle);
    }
    EXPECT_EQ(kaps.size(), kKapTypeCount);
    const std::vector<std::string> places = {"My Computer", "My Documents", "Control Panel", "Recycle Bin",
                                             "Show Desktop"};
    for (std::size_t i = 0; i < places.size(); ++i) {
        const DockIcon& icon = dock.icons[kKapTypeCount + i];
        EXPECT_EQ(icon.type, "KAP_SHORTCUT");
        EXPECT_EQ(icon.action, places[i]);
        EXPECT_EQ(icon.title, places[i]);
        EXPECT_EQ(icon.image, kFolder + DockActionImageName(*DockActionFromText(places[i])));
        EXPECT_NE(ResolveIconClick(icon).kind, DockIconCommand::Kind::Nothing);
    }
}

TEST(NewDock, HoldsOnlyTheKapTypesTheProgramCanMake) {
    const DockDocument dock = NewDockDocument(
        244, 144, kFolder, [](KapType type) { return type == KapType::Note || type == KapType::Clock; });
    ASSERT_EQ(dock.icons.size(), 2u + 5u);
    EXPECT_EQ(ResolveIconClick(dock.icons[0]).kap, KapType::Note);
    EXPECT_EQ(ResolveIconClick(dock.icons[1]).kap, KapType::Clock);
    EXPECT_EQ(dock.icons[2].action, "My Computer");
}

} // namespace
} // namespace vimo
