// The note's link as a user meets it: a file dragged out of another program onto a note shows its
// name on the note, the "Remove Link" entry of the note's menu takes it away, and both states are
// kept in the note's document across restarts. What the note shows is read from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/note/note_model.h"

namespace vimo::e2e {
namespace {

constexpr int kTargetX = 300, kReferenceX = 620, kNoteY = 150;

std::string NoteDocument(const std::string& name, int x, const std::string& link) {
    KapHeader header{name, false, "", false, kNoAlarm};
    DocumentWriter writer(header);
    writer.Int(x).Int(kNoteY).Int(220).Int(240).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK");
    writer.Line(link).Line("drop a file here");
    return EncodeDocumentBase64(writer.Text());
}

// The note's values as its document on disk holds them.
NoteValues SavedNote(const ProgramDir& dir, const std::string& name) {
    DocumentReader reader(DecodeDocumentBase64(dir.Read("Notes\\" + name + ".VIMONOTE")));
    reader.NextString(); // header
    for (int i = 0; i < 4; ++i) reader.NextInt();
    NoteValues values;
    ReadNotePayload(reader, values);
    return values;
}

int SkinInt(const ProgramDir& dir, const char* key) {
    return static_cast<int>(
        GetPrivateProfileIntA("VimoNoteSkin", key, -1, dir.File("Skin\\Default\\VimoNote\\Skin.VimoNote").c_str()));
}

// The link strip of a note (bottom-docked in the default skin), in screen coordinates.
RECT LinkArea(const ProgramDir& dir, HWND note) {
    const RECT w = WindowRectOf(note);
    const int growY = (w.bottom - w.top) - SkinInt(dir, "IconHeight");
    const int x = w.left + SkinInt(dir, "LinkPosX"), y = w.top + growY + SkinInt(dir, "LinkPosY");
    return RECT{x, y, x + SkinInt(dir, "LinkWidth"), y + SkinInt(dir, "LinkHeight")};
}

// Pixels of two equally sized areas that differ clearly (anti-aliasing may differ by a step).
int Differing(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    if (a.size() != b.size()) return static_cast<int>(std::max(a.size(), b.size()));
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF)) > 24) {
                ++count;
                break;
            }
    return count;
}

// The link's own input window on the note: the visible child that covers the link strip.
bool LinkWindowShown(const ProgramDir& dir, HWND note) {
    const RECT area = LinkArea(dir, note);
    for (HWND child = GetWindow(note, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = WindowRectOf(child);
        if (IsWindowVisible(child) && r.left == area.left && r.top == area.top) return true;
    }
    return false;
}

class NoteLinkRun {
public:
    explicit NoteLinkRun(const ProgramDir& dir) : dir_(dir) {}

    bool Start() {
        if (!app_.Start(dir_) || !app_.WaitController()) return false;
        if (app_.WaitKaps(2).size() != 2) return false;
        for (HWND kap : app_.Kaps()) {
            if (WindowRectOf(kap).left == kTargetX) target_ = kap;
            if (WindowRectOf(kap).left == kReferenceX) reference_ = kap;
        }
        return target_ && reference_;
    }
    HWND Target() const { return target_; }
    HWND Reference() const { return reference_; }
    VimoProcess& App() { return app_; }
    // The link strip of a note with the pointer away, so no link shows its hover look.
    std::vector<DWORD> Link(HWND note) const {
        MouseMove(1000, 740);
        return ScreenPixels(LinkArea(dir_, note));
    }
    // Waits until a note's link strip nearly equals pixels; returns the last difference.
    int WaitLink(HWND note, const std::vector<DWORD>& pixels) const {
        int differing = 0;
        WaitFor([&] { return (differing = Differing(Link(note), pixels)) <= kNoise; }, 5000, 100);
        return differing;
    }
    int WaitTargetLink(const std::vector<DWORD>& pixels) const { return WaitLink(target_, pixels); }
    void Exit() { EXPECT_TRUE(app_.Exit()); }

    static constexpr int kNoise = 12;

private:
    const ProgramDir& dir_;
    VimoProcess app_;
    HWND target_ = nullptr;
    HWND reference_ = nullptr;
};

// Opens the note's menu with the right button and picks "Remove Link" with the keyboard, as a
// user does: from the bottom, past Delete, Lock and Always on Top.
bool ChooseRemoveLink(VimoProcess& app, HWND note) {
    const RECT r = WindowRectOf(note);
    RightClickAt(r.right - 30, r.top + 80);
    if (!WaitFor([&] { return ShownPopupMenu(app.ProcessId()) != nullptr; }, 5000)) return false;
    for (int i = 0; i < 4; ++i) PressKey(VK_UP);
    PressKey(VK_RETURN);
    return WaitFor([&] { return ShownPopupMenu(app.ProcessId()) == nullptr; }, 5000);
}

TEST(NoteLink, DroppedFileShowsItsNameAndRemoveLinkHidesItBothKeptAcrossRestarts) {
    ProgramDir dir("note-link");
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=0\r\nLoadRemoteWIN=0\r\n");
    CreateDirectoryA(dir.File("Papers").c_str(), nullptr);
    dir.Write("Papers\\Report.txt", "quarterly figures\r\n");
    const std::string report = dir.File("Papers\\Report.txt");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    const std::string target = "20240101000010", reference = "20240101000011";
    dir.Write("Notes\\" + target + ".VIMONOTE", NoteDocument(target, kTargetX, ""));
    // A note whose link is the bare name: what the dropped file's link must look like.
    dir.Write("Notes\\" + reference + ".VIMONOTE", NoteDocument(reference, kReferenceX, "Report.txt"));

    std::vector<DWORD> bare, named;
    {
        NoteLinkRun run(dir);
        ASSERT_TRUE(run.Start());
        EXPECT_FALSE(LinkWindowShown(dir, run.Target())) << "no link yet";
        EXPECT_TRUE(LinkWindowShown(dir, run.Reference()));
        bare = run.Link(run.Target());
        named = run.Link(run.Reference());
        ASSERT_GT(Differing(bare, named), 5 * NoteLinkRun::kNoise) << "the reference note shows its link";

        const RECT note = WindowRectOf(run.Target());
        const DWORD effect = DragFileOnto(report, 120, 600, (note.left + note.right) / 2, (note.top + note.bottom) / 2);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY)) << "the note takes the dragged file";
        const int differing = run.WaitTargetLink(named);
        Screenshot("note-link-dropped");
        EXPECT_LE(differing, NoteLinkRun::kNoise) << "the link shows the file's name only, as \"Report.txt\"";
        EXPECT_TRUE(LinkWindowShown(dir, run.Target()));
        run.Exit();
    }
    EXPECT_EQ(SavedNote(dir, target).link, report) << "the document keeps the whole path";
    EXPECT_EQ(SavedNote(dir, target).text, "drop a file here");

    {
        NoteLinkRun run(dir);
        ASSERT_TRUE(run.Start());
        EXPECT_LE(run.WaitTargetLink(named), NoteLinkRun::kNoise) << "the link comes back after a restart";
        EXPECT_TRUE(LinkWindowShown(dir, run.Target()));

        ASSERT_TRUE(ChooseRemoveLink(run.App(), run.Target()));
        const int differing = run.WaitTargetLink(bare);
        Screenshot("note-link-removed");
        EXPECT_LE(differing, NoteLinkRun::kNoise) << "Remove Link takes the link off the note";
        EXPECT_FALSE(LinkWindowShown(dir, run.Target()));
        EXPECT_LE(Differing(run.Link(run.Reference()), named), NoteLinkRun::kNoise) << "the other note keeps its link";
        run.Exit();
    }
    EXPECT_EQ(SavedNote(dir, target).link, "");
    EXPECT_EQ(SavedNote(dir, reference).link, "Report.txt");

    NoteLinkRun run(dir);
    ASSERT_TRUE(run.Start());
    // Give a wrongly restored link the time to show before the strip is judged bare.
    EXPECT_LE(run.WaitLink(run.Reference(), named), NoteLinkRun::kNoise) << "the notes are drawn";
    EXPECT_LE(Differing(run.Link(run.Target()), bare), NoteLinkRun::kNoise) << "no link after the next restart";
    EXPECT_FALSE(LinkWindowShown(dir, run.Target()));
    run.Exit();
}

} // namespace
} // namespace vimo::e2e
