// What every kap does, shown on notes: snapping when dragged, locking, deleting, naming.
#include <gtest/gtest.h>

#include <set>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"

namespace vimo::e2e {
namespace {

struct RunningNote {
    ProgramDir dir;
    VimoProcess app;
    HWND note = nullptr;
    explicit RunningNote(const std::string& name) : dir(name) {
        EXPECT_TRUE(app.Start(dir));
        EXPECT_NE(app.WaitController(), nullptr);
        app.Command(ID_NEW_NOTE);
        std::vector<HWND> kaps = app.WaitKaps(1);
        if (kaps.size() == 1) note = kaps[0];
    }
    void PlaceAt(int x, int y) {
        SetWindowPos(note, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        WaitFor([&] { return WindowRectOf(note).left == x; }, 3000);
    }
    ~RunningNote() {
        app.Command(ID_APP_EXIT);
        app.WaitExit(15000);
    }
};

TEST(KapFrame, DraggedNearTheLeftEdgeTheNoteLandsOnIt) {
    RunningNote run("frame-snap");
    ASSERT_NE(run.note, nullptr);
    run.PlaceAt(300, 200);
    const RECT r = WindowRectOf(run.note);
    // The note's header strip is its own surface (no control there): dragging it moves the note.
    Drag(r.left + 100, r.top + 14, 100 + 10, r.top + 14 + 40);
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(run.note).left == 0; }, 3000))
        << "left now " << WindowRectOf(run.note).left;
    EXPECT_EQ(WindowRectOf(run.note).top, r.top + 40);
}

TEST(KapFrame, LockedNoteDoesNotMove) {
    RunningNote run("frame-locked");
    ASSERT_NE(run.note, nullptr);
    run.PlaceAt(300, 200);
    PostMessageA(run.note, WM_COMMAND, ID_NOTE_LOCK, 0);
    Sleep(300);
    const RECT r = WindowRectOf(run.note);
    Drag(r.left + 100, r.top + 14, r.left + 250, r.top + 114);
    EXPECT_EQ(WindowRectOf(run.note).left, 300);
    EXPECT_EQ(WindowRectOf(run.note).top, 200);
}

TEST(KapFrame, DeleteAnsweredNoKeepsTheNoteAndYesMovesItToTheDeletedStore) {
    RunningNote run("frame-delete");
    ASSERT_NE(run.note, nullptr);
    PostMessageA(run.note, WM_COMMAND, ID_NOTE_DELETE, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindDialog(run.app.ProcessId(), "Delete KAP")) != nullptr; }, 5000));
    Screenshot("kap-delete-question");
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    EXPECT_TRUE(IsWindow(run.note));
    EXPECT_FALSE(run.dir.Exists("Deleted"));

    PostMessageA(run.note, WM_COMMAND, ID_NOTE_DELETE, 0);
    ASSERT_TRUE(WaitFor([&] { return (box = FindDialog(run.app.ProcessId(), "Delete KAP")) != nullptr; }, 5000));
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(run.note); }, 5000)) << "the controller frees the kap";
    std::string name;
    EXPECT_FALSE(ReadOnlyDocument(run.dir, "Deleted\\*.VIMONOTE", &name).empty());
    EXPECT_TRUE(ReadOnlyDocument(run.dir, "Notes\\*.VIMONOTE").empty());
    EXPECT_TRUE(run.app.Kaps().empty());
}

TEST(KapFrame, NotesCreatedInOneSecondGetDifferentNames) {
    ProgramDir dir("frame-names");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
    app.Command(ID_NEW_NOTE);
    app.Command(ID_NEW_NOTE);
    EXPECT_EQ(app.WaitKaps(3).size(), 3u);
    app.Command(ID_APP_EXIT);
    ASSERT_TRUE(app.WaitExit(20000));
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(dir.File("Notes\\*.VIMONOTE").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(names.size(), 3u);
}

} // namespace
} // namespace vimo::e2e
