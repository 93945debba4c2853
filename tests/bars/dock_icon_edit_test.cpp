// The icon dialog's logic: the action list and its separators, the icon its fields make, the
// picture that follows a new action; the icon a drop makes; the shell's second try for places.
#include <gtest/gtest.h>

#include <string>

#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_icon_command.h"
#include "bars/dock/dock_icon_edit.h"
#include "bars/dock/dock_icon_types.h"

namespace vimo {
namespace {

const std::string kFolder = "C:\\VIMO\\SKIN\\DEFAULT\\VIMOREMOTEKAP\\";

TEST(DockIconDialogList, EveryActionHasItsEntryAndSeparatorsStandForNothing) {
    const std::vector<std::string>& entries = DockActionListEntries();
    for (const DockActionInfo& info : AllDockActions()) {
        const std::optional<std::size_t> index = ActionListIndex(info.text);
        ASSERT_TRUE(index) << info.text;
        EXPECT_EQ(entries[*index], info.text);
        EXPECT_EQ(ActionAtListIndex(*index), info.action) << info.text;
    }
    EXPECT_EQ(ActionListIndex("user shortcut"), ActionListIndex("User Shortcut")) << "stored texts ignore case";
    EXPECT_FALSE(ActionListIndex(kDockActionSeparator));
    EXPECT_FALSE(ActionListIndex("Format Disk"));
    std::size_t separators = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == kDockActionSeparator) {
            ++separators;
            EXPECT_FALSE(ActionAtListIndex(i)) << "a separator line is no action";
        }
    EXPECT_GT(separators, 0u);
    EXPECT_FALSE(ActionAtListIndex(entries.size()));
}

TEST(DockIconDialogApply, ShortcutTakesEveryFieldTrimmedAndAnEmptyParameterIsNull) {
    const DockIcon before{kShortcutIconType, kFolder + "KAP_SHORTCUT.PNG", "User Shortcut", "NULL", "New Shortcut"};
    IconEditFields fields;
    fields.image = "  C:\\pics\\tool.png ";
    fields.action = DockAction::MyComputer;
    fields.parameter = "\tC:\\Tools\\log.cmd  ";
    fields.title = " My tool ";
    EXPECT_EQ(ApplyIconEdit(before, fields),
              (DockIcon{kShortcutIconType, "C:\\pics\\tool.png", "My Computer", "C:\\Tools\\log.cmd", " My tool "}));

    fields.parameter = "   ";
    fields.action.reset();
    const DockIcon kept = ApplyIconEdit(before, fields);
    EXPECT_EQ(kept.parameter, "NULL");
    EXPECT_EQ(kept.action, "User Shortcut") << "without a chosen action the icon keeps its own";
}

TEST(DockIconDialogApply, KapIconKeepsWhatItDoes) {
    const DockIcon note{"KAP_NOTE", kFolder + "KAP_NOTE.PNG", "None", "NULL", "New Note"};
    IconEditFields fields;
    fields.image = "C:\\pics\\note.png";
    fields.action = DockAction::Exit;
    fields.parameter = "C:\\evil.exe";
    fields.title = "Notes";
    const DockIcon after = ApplyIconEdit(note, fields);
    EXPECT_EQ(after, (DockIcon{"KAP_NOTE", "C:\\pics\\note.png", "None", "NULL", "Notes"}));
    EXPECT_EQ(ResolveIconClick(after).kind, DockIconCommand::Kind::CreateKap);
}

TEST(DockIconDialogImage, TheSkinPictureFollowsTheActionButAChosenPictureStays) {
    EXPECT_EQ(
        ImageAfterActionChange(kFolder + "KAP_SHORTCUT.PNG", DockAction::UserShortcut, DockAction::MyComputer, kFolder),
        kFolder + "ACTION_MYCOMPUTER.PNG")
        << "a new shortcut's picture";
    EXPECT_EQ(ImageAfterActionChange(kFolder + "action_mycomputer.png", DockAction::MyComputer,
                                     DockAction::ToggleTaskbar, kFolder),
              kFolder + "ACTION_SHOWHIDETASKBAR.PNG")
        << "letter case does not matter";
    EXPECT_EQ(ImageAfterActionChange("", DockAction::UserShortcut, DockAction::Exit, kFolder),
              kFolder + "ACTION_EXIT.PNG");
    EXPECT_FALSE(ImageAfterActionChange("C:\\mine.png", DockAction::UserShortcut, DockAction::Exit, kFolder));
    EXPECT_FALSE(
        ImageAfterActionChange(kFolder + "ACTION_EXIT.PNG", DockAction::MyComputer, DockAction::Config, kFolder))
        << "the picture of another action was chosen on purpose";
    EXPECT_FALSE(
        ImageAfterActionChange(kFolder + "KAP_SHORTCUT.PNG", DockAction::UserShortcut, DockAction::None, kFolder))
        << "the skin has no picture for None";
}

TEST(DockDrop, ADroppedTargetBecomesAShortcutNamedAfterIt) {
    const auto file = IconForDrop("C:\\Program Files\\Tools\\Editor.exe", kFolder);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, (DockIcon{"KAP_SHORTCUT", kFolder + "ACTION_USERSHORTCUT.PNG", "User Shortcut",
                               "C:\\Program Files\\Tools\\Editor.exe", "Editor"}));
    const DockIconCommand run = ResolveIconClick(*file);
    EXPECT_EQ(run.kind, DockIconCommand::Kind::OpenShell);
    EXPECT_EQ(run.target, "C:\\Program Files\\Tools\\Editor.exe");

    EXPECT_EQ(IconForDrop("C:\\Users\\Me\\Documents\\", kFolder)->title, "Documents");
    EXPECT_EQ(IconForDrop("D:\\archive.tar.gz", kFolder)->title, "archive.tar");
    EXPECT_EQ(IconForDrop("C:\\.config", kFolder)->title, ".config");
    EXPECT_EQ(IconForDrop("https://example.org/news?page=2", kFolder)->title, "example.org");
    EXPECT_EQ(IconForDrop("  C:\\a.txt\r\n", kFolder)->parameter, "C:\\a.txt");
    EXPECT_FALSE(IconForDrop(" \r\n", kFolder));
}

TEST(DockShellFallback, OnlyShellPlacesAreTriedAgainThroughTheExplorer) {
    const std::string panel = DockActionInfoOf(DockAction::ControlPanel).shellPlace;
    const auto again = ShellPlaceFallback(panel);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->file, "explorer.exe");
    EXPECT_EQ(again->parameters, "/e," + panel);
    EXPECT_EQ(ShellPlaceFallback("::{645FF040-5081-101B-9F08-00AA002F954E}")->parameters,
              "/e,::{645FF040-5081-101B-9F08-00AA002F954E}");
    EXPECT_FALSE(ShellPlaceFallback("C:\\Tools\\log.cmd"));
    EXPECT_FALSE(ShellPlaceFallback("http://example.org"));
    EXPECT_FALSE(ShellPlaceFallback(""));
}

} // namespace
} // namespace vimo
