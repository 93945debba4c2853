// What the commands of the dock's context menu mean to the dock, and which entries it offers.
#include <gtest/gtest.h>

#include "kapframe/kap_types.h"
#include "base/resource.h"
#include "bars/dock/dock_menu.h"

namespace vimo {
namespace {

TEST(DockMenuCommands, AddEntriesAppendIconsInsteadOfCreatingKaps) {
    for (const KapTypeInfo& info : AllKapTypes())
        EXPECT_EQ(ClassifyDockMenuCommand(info.createCommand), DockMenuCommand::AddIcon) << info.tag;
    EXPECT_EQ(ClassifyDockMenuCommand(ID_NEW_SHORTCUT), DockMenuCommand::AddIcon);
}

TEST(DockMenuCommands, OwnEntriesAndTheRestOfTheTrayMenu) {
    EXPECT_EQ(ClassifyDockMenuCommand(ID_DOCK_ICON_EDIT), DockMenuCommand::EditIcon);
    EXPECT_EQ(ClassifyDockMenuCommand(ID_DOCK_ICON_REMOVE), DockMenuCommand::RemoveIcon);
    EXPECT_EQ(ClassifyDockMenuCommand(ID_DOCK_LOCK), DockMenuCommand::Lock);
    for (unsigned id :
         {ID_OPEN_TRASH, ID_SHOW_DESKTOP, ID_SHOW_WINDOWS, ID_TOGGLE_TASKBAR, ID_ALL_TO_FRONT, ID_ALL_TO_BACK,
          ID_LOCK_ALL, ID_UNLOCK_ALL, ID_ONEWIN_MODE, ID_KILLNEWWIN_MODE, ID_WINDOWS_NORMAL, ID_WINDOWS_RESTORE,
          ID_WINDOWS_MINIMIZE, ID_WINDOWS_MAXIMIZE, ID_WINDOWS_REDUCE, ID_WINDOWS_CLOSE, ID_APP_OPTIONS, ID_APP_EXIT})
        EXPECT_EQ(ClassifyDockMenuCommand(id), DockMenuCommand::Controller) << id;
    // No choice, dialog buttons and other kaps' entries mean nothing to the dock.
    for (unsigned id : {0u, 1u, 2u, unsigned(ID_NOTE_LOCK), unsigned(ID_TILE_CLOSE), 0x7000u})
        EXPECT_EQ(ClassifyDockMenuCommand(id), DockMenuCommand::Nothing) << id;
}

TEST(DockMenuState, LockedDockChangesNoIconAndEditingNeedsAnIcon) {
    const DockMenuState free = DockMenuStateFor(false, false);
    EXPECT_TRUE(free.add);
    EXPECT_FALSE(free.edit);
    EXPECT_FALSE(free.remove);
    EXPECT_FALSE(free.locked);
    const DockMenuState onIcon = DockMenuStateFor(false, true);
    EXPECT_TRUE(onIcon.add && onIcon.edit && onIcon.remove);
    const DockMenuState locked = DockMenuStateFor(true, true);
    EXPECT_FALSE(locked.add || locked.edit || locked.remove);
    EXPECT_TRUE(locked.locked);
}

} // namespace
} // namespace vimo
