// The trash as a user meets it: a deleted note appears with its date, time and type, a click brings
// it back with its text and place, a deleted trash document comes back without a second trash, and
// emptying asks first.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/messages.h"
#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/note/note_model.h"

namespace vimo::e2e {
namespace {

std::string Document(const std::string& name, int x, int y, int width, int height, const std::string& noteText = "") {
    DocumentWriter writer(KapHeader{name, false, "", false, ""});
    writer.Int(x).Int(y).Int(width).Int(height);
    if (!noteText.empty()) {
        NoteValues values;
        values.text = noteText;
        WriteNotePayload(writer, values);
    }
    return EncodeDocumentBase64(writer.Text());
}

TEST(Trash, ListsADeletedNoteBringsItBackOnAClickAndEmptiesOnlyOnYes) {
    ProgramDir dir = KapsOnlyDir("trash");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209143005.VIMONOTE", Document("20261209143005", 420, 120, 220, 240, "buy milk"));
    dir.Write("Notes\\20261209100000.VIMOTRASH", Document("20261209100000", 40, 420, 280, 140));
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    std::vector<HWND> kaps = app.WaitKaps(2);
    ASSERT_EQ(kaps.size(), 2u);
    HWND trash = WindowRectOf(kaps[0]).left == 40 ? kaps[0] : kaps[1];
    HWND note = trash == kaps[0] ? kaps[1] : kaps[0];
    EXPECT_EQ(WindowTextOf(trash), "");

    PostMessageA(note, WM_COMMAND, ID_NOTE_DELETE, 0);
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Delete KAP", IDYES));
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(trash) == "09/12/2026 14:30:05 - NOTE\n"; }, 10000))
        << "the watched store fills the trash: " << WindowTextOf(trash);
    Screenshot("trash");

    RECT r = WindowRectOf(trash);
    ClickAt(r.left + 16 + 75, r.top + 40 + 30);
    HWND back = app.WaitNewKap({trash});
    ASSERT_NE(back, nullptr) << "the click brings the note back";
    EXPECT_EQ(WindowRectOf(back).left, 420);
    EXPECT_EQ(WindowRectOf(back).top, 120);
    EXPECT_EQ(WindowTextOf(ChildOfClass(back, "Edit")), "buy milk");
    EXPECT_TRUE(dir.Exists("Notes\\20261209143005.VIMONOTE"));
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(trash).empty(); }, 5000)) << WindowTextOf(trash);

    // A trash document in the store comes back to the documents without a second trash.
    dir.Write("Deleted\\20261209090000.VIMOTRASH", Document("20261209090000", 0, 0, 280, 140));
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(trash) == "09/12/2026 09:00:00 - TRASH\n"; }, 10000));
    ClickAt(r.left + 16 + 75, r.top + 40 + 30);
    EXPECT_TRUE(WaitFor([&] { return dir.Exists("Notes\\20261209090000.VIMOTRASH"); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(trash).empty(); }, 5000));
    EXPECT_EQ(app.Kaps().size(), 2u) << "no second trash";

    // Fifty documents of mixed types arriving in one burst are all listed, and all come back when
    // restored in a burst.
    const char* types[] = {"VIMONOTE", "VIMOCLOCK", "VIMOCALC", "VIMOLINK", "VIMOMAIL"};
    auto burstName = [](int i) { return "202612091600" + std::string(i < 10 ? "0" : "") + std::to_string(i); };
    CreateDirectoryA(dir.File("Burst").c_str(), nullptr);
    for (int i = 0; i < 50; ++i)
        dir.Write("Burst\\" + burstName(i) + "." + types[i % 5], Document(burstName(i), 10 * i, 10, 200, 100));
    for (int i = 0; i < 50; ++i) {
        const std::string file = burstName(i) + "." + types[i % 5];
        MoveFileA(dir.File("Burst\\" + file).c_str(), dir.File("Deleted\\" + file).c_str());
    }
    auto lines = [&] {
        const std::string text = WindowTextOf(trash);
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    };
    EXPECT_TRUE(WaitFor([&] { return lines() == 50; }, 20000)) << lines();
    const std::size_t kapsBefore = app.Kaps().size();
    for (int i = 0; i < 50; ++i) PostMessageA(trash, TrashItemMessage(0), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return app.Kaps().size() == kapsBefore + 50; }, 60000)) << app.Kaps().size();
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(trash).empty(); }, 5000)) << lines();
    for (int i = 0; i < 50; ++i) EXPECT_TRUE(dir.Exists("Notes\\" + burstName(i) + "." + types[i % 5])) << i;

    // A document whose name is taken among the documents stays in the trash: the kap there is kept.
    dir.Write("Deleted\\20261209160000.VIMONOTE", Document("20261209160000", 5, 5, 220, 240, "older"));
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(trash) == "09/12/2026 16:00:00 - NOTE\n"; }, 10000));
    PostMessageA(trash, TrashItemMessage(0), 0, 0);
    EXPECT_FALSE(WaitFor([&] { return !dir.Exists("Deleted\\20261209160000.VIMONOTE"); }, 1500));
    // The kap there may save its own document meanwhile (it was restored off the screen's edge and
    // smaller than its skin), but never the one from the trash.
    EXPECT_EQ(DecodeDocumentBase64(dir.Read("Notes\\20261209160000.VIMONOTE")).find("older"), std::string::npos);

    dir.Write("Deleted\\notes.txt", "not a kap");
    PostMessageA(trash, WM_COMMAND, ID_TRASH_EMPTY, 0);
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Empty Trash", IDNO));
    EXPECT_TRUE(dir.Exists("Deleted\\20261209160000.VIMONOTE") && dir.Exists("Deleted\\notes.txt"));
    PostMessageA(trash, WM_COMMAND, ID_TRASH_EMPTY, 0);
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Empty Trash", IDYES));
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(trash).empty(); }, 5000));
    EXPECT_FALSE(dir.Exists("Deleted\\20261209160000.VIMONOTE"));
    EXPECT_FALSE(dir.Exists("Deleted\\notes.txt")) << "emptying takes every file";
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
