// The note kap as a user meets it: created from the tray, typed into, saved, restarted, resized,
// reminded.
#include <gtest/gtest.h>

#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

#include <cstdio>
#include <cstdlib>

namespace vimo::e2e {
namespace {

constexpr UINT kExit = 131;
constexpr UINT kNoteLock = 162, kNoteBackground3 = 294, kNoteCourier = 152, kNoteRed = 134, kNoteBold = 137,
               kNoteSize16 = 147, kNoteReminder = 195;

void Exit(VimoProcess& app) {
    app.Command(kExit);
    EXPECT_TRUE(app.WaitExit(15000));
}

TEST(Note, TypedTextIsSavedAndEverythingComesBackAfterARestart) {
    ProgramDir dir("note-roundtrip");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Tray(WM_LBUTTONDOWN);
    app.Tray(WM_LBUTTONUP);
    app.Tray(WM_LBUTTONDBLCLK);
    app.Tray(WM_LBUTTONUP);
    std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u) << "a double click on the tray icon creates one note";
    HWND note = kaps[0];
    HWND edit = ChildOfClass(note, "Edit");
    ASSERT_NE(edit, nullptr);

    const std::string typed = "Buy milk\n\tand bread, 100% ok; fine";
    TypeInto(edit, typed);
    // Key input is queued: wait until the last key has reached the edit.
    std::string shown;
    WaitFor(
        [&] {
            char buffer[256] = {};
            SendMessageTimeoutA(edit, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                                nullptr);
            shown = buffer;
            return shown == "Buy milk\r\n\tand bread, 100% ok; fine";
        },
        5000);
    Screenshot("note-after-typing");
    EXPECT_EQ(shown, "Buy milk\r\n\tand bread, 100% ok; fine");
    std::string text;
    const bool saved = WaitFor(
        [&] {
            text = ReadOnlyDocument(dir, "Notes\\*.VIMONOTE");
            return text.find("ok; fine") != std::string::npos;
        },
        16000, 200);
    ASSERT_TRUE(saved) << "typed text reaches the document within about 10 s";
    EXPECT_NE(text.find("Buy milk\r\n\tand bread, 100% ok; fine"), std::string::npos) << text;
    Screenshot("note-typed");

    // Looks, position, link and lock, then exit and start again.
    for (UINT command : {kNoteBackground3, kNoteCourier, kNoteRed, kNoteBold, kNoteSize16, kNoteLock})
        PostMessageA(note, WM_COMMAND, command, 0);
    SetWindowPos(note, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(note).left == 300; }, 3000);
    const RECT before = WindowRectOf(note);
    Exit(app);

    std::string name;
    text = ReadOnlyDocument(dir, "Notes\\*.VIMONOTE", &name);
    DocumentReader reader(text);
    const std::string header = reader.NextString();
    EXPECT_EQ(header.substr(15, 1), "L");
    EXPECT_EQ(reader.NextInt(), 300);
    EXPECT_EQ(reader.NextInt(), 200);
    reader.NextString();
    reader.NextString();
    EXPECT_EQ(reader.NextString(), "3");
    EXPECT_EQ(reader.NextString(), "Courier New");
    EXPECT_EQ(reader.NextString(), "16");
    EXPECT_EQ(reader.NextString(), "TXT_BOLD");
    EXPECT_EQ(reader.NextString(), "RED");

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    kaps = again.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    const RECT after = WindowRectOf(kaps[0]);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    HWND editAgain = ChildOfClass(kaps[0], "Edit");
    char buffer[256] = {};
    SendMessageTimeoutA(editAgain, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                        nullptr);
    EXPECT_EQ(std::string(buffer), "Buy milk\r\n\tand bread, 100% ok; fine");
    EXPECT_TRUE(GetWindowLongA(editAgain, GWL_STYLE) & ES_READONLY) << "the lock comes back";
    Screenshot("note-restarted");
    Exit(again);
    std::string nameAfter;
    ReadOnlyDocument(dir, "Notes\\*.VIMONOTE", &nameAfter);
    EXPECT_EQ(nameAfter, name);
}

TEST(Note, CornerDragStopsAtTheSkinSize) {
    ProgramDir dir("note-resize");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(163);
    std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    HWND note = kaps[0];
    SetWindowPos(note, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(note).left == 200; }, 3000);
    RECT r = WindowRectOf(note);
    const int designWidth = r.right - r.left, designHeight = r.bottom - r.top;

    Drag(r.right - 8, r.bottom - 8, r.right + 60, r.bottom + 40);
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(note).right - WindowRectOf(note).left > designWidth + 30; }, 3000))
        << "the corner drag grows the note";
    r = WindowRectOf(note);
    Screenshot("note-grown");
    Drag(r.right - 8, r.bottom - 8, r.right - 200, r.bottom - 250);
    WaitFor([&] { return WindowRectOf(note).right - WindowRectOf(note).left == designWidth; }, 3000);
    r = WindowRectOf(note);
    EXPECT_EQ(r.right - r.left, designWidth);
    EXPECT_EQ(r.bottom - r.top, designHeight);
    Exit(app);
}

TEST(Note, AlarmDialogStoresTheChosenReminder) {
    ProgramDir dir("note-alarm-dialog");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(163);
    std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    PostMessageA(kaps[0], WM_COMMAND, kNoteReminder, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Alarm Setup")) != nullptr; }, 5000));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1102))) << "no reminder yet: the inputs start disabled";
    SendMessageTimeoutA(GetDlgItem(dialog, 1100), BM_SETCHECK, BST_CHECKED, 0, SMTO_BLOCK, 3000, nullptr);
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(1100, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1100)), SMTO_BLOCK, 3000, nullptr);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1102)));
    SendMessageTimeoutA(GetDlgItem(dialog, 1102), CB_SETCURSEL, 17, 0, SMTO_BLOCK, 3000, nullptr);
    SendMessageTimeoutA(GetDlgItem(dialog, 1103), CB_SETCURSEL, 9, 0, SMTO_BLOCK, 3000, nullptr);
    Screenshot("note-alarm-dialog");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    app.Command(kExit);
    ASSERT_TRUE(app.WaitExit(15000));
    SYSTEMTIME today;
    GetLocalTime(&today);
    char expected[32];
    snprintf(expected, sizeof(expected), "%04d%02d%02d174500", today.wYear, today.wMonth, today.wDay);
    const std::string header = DocumentReader(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE")).NextString();
    EXPECT_EQ(header.substr(17), expected) << header;
}

// Writes a note whose reminder is due in the current minute.
std::string WriteRingingNote(const ProgramDir& dir) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[32];
    snprintf(stamp, sizeof(stamp), "%04d%02d%02d%02d%02d00", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute);
    KapHeader header{"20240101000000", false, "", false, stamp};
    DocumentWriter writer(header);
    writer.Int(40).Int(60).Int(200).Int(300).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK").Line("");
    writer.Line("ring ring");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20240101000000.VIMONOTE", EncodeDocumentBase64(writer.Text()));
    return stamp;
}

TEST(Note, ReminderOfThisMinuteBringsTheNoteToTheCentreAndAClickBringsItHome) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    auto centred = [&](HWND note) {
        const RECT r = WindowRectOf(note);
        return std::abs((r.left + r.right) / 2 - screenW / 2) < 80;
    };
    // The check compares minutes: a start that runs into the next minute misses it, so try again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        ProgramDir dir("note-ringing");
        const std::string stamp = WriteRingingNote(dir);
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir));
        ASSERT_NE(app.WaitController(), nullptr);
        std::vector<HWND> kaps = app.WaitKaps(1);
        ASSERT_EQ(kaps.size(), 1u);
        HWND note = kaps[0];
        const bool rang = WaitFor(
            [&] {
                if (centred(note)) return true;
                SYSTEMTIME now;
                GetLocalTime(&now);
                char minute[32];
                snprintf(minute, sizeof(minute), "%04d%02d%02d%02d%02d00", now.wYear, now.wMonth, now.wDay,
                         now.wHour, now.wMinute);
                return minute != stamp && now.wSecond >= 6; // the minute is over and checked once more
            },
            70000) &&
                          centred(note);
        if (!rang) {
            app.Command(kExit);
            app.WaitExit(15000);
            continue;
        }
        EXPECT_TRUE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST) << "it rings on top";
        Screenshot("note-ringing");
        const RECT ringing = WindowRectOf(note);
        MouseMove((ringing.left + ringing.right) / 2, ringing.top + 12);
        MouseDown();
        MouseUp();
        EXPECT_TRUE(
            WaitFor([&] { return WindowRectOf(note).left == 40 && WindowRectOf(note).top == 60; }, 5000))
            << "one click brings it back to its place";
        EXPECT_FALSE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST) << "it was not top-most before";
        app.Command(kExit);
        ASSERT_TRUE(app.WaitExit(15000));
        const std::string saved = DocumentReader(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE")).NextString();
        EXPECT_EQ(saved.substr(17), "00000000000000") << "the reminder is spent";
        return;
    }
    FAIL() << "the note did not ring in three attempts";
}

} // namespace
} // namespace vimo::e2e
