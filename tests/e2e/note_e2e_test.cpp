// The note kap as a user meets it: created from the tray, typed into, saved, restarted, resized,
// reminded.
#include <gtest/gtest.h>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace vimo::e2e {
namespace {

TEST(Note, TypedTextIsSavedAndEverythingComesBackAfterARestart) {
    ProgramDir dir = KapsOnlyDir("note-roundtrip");
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
    for (UINT command : {ID_NOTE_BACKGROUND_USER3, ID_NOTE_FONT_COURIER, ID_NOTE_COLOR_RED, ID_NOTE_STYLE_BOLD,
                         ID_NOTE_SIZE_16, ID_NOTE_LOCK})
        PostMessageA(note, WM_COMMAND, command, 0);
    SetWindowPos(note, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(note).left == 300; }, 3000);
    const RECT before = WindowRectOf(note);
    EXPECT_TRUE(app.Exit());

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
    EXPECT_TRUE(again.Exit());
    std::string nameAfter;
    ReadOnlyDocument(dir, "Notes\\*.VIMONOTE", &nameAfter);
    EXPECT_EQ(nameAfter, name);
}

TEST(Note, CornerDragStopsAtTheSkinSize) {
    ProgramDir dir = KapsOnlyDir("note-resize");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
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
    EXPECT_TRUE(app.Exit());
}

TEST(Note, AlarmDialogStoresTheChosenReminder) {
    ProgramDir dir = KapsOnlyDir("note-alarm-dialog");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
    std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    PostMessageA(kaps[0], WM_COMMAND, ID_NOTE_REMINDER, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Alarm Setup")) != nullptr; }, 5000));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ALARM_HOUR))) << "no reminder yet: the inputs start disabled";
    SendMessageTimeoutA(GetDlgItem(dialog, IDC_ALARM_ENABLE), BM_SETCHECK, BST_CHECKED, 0, SMTO_BLOCK, 3000, nullptr);
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ALARM_ENABLE, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_ALARM_ENABLE)), SMTO_BLOCK, 3000, nullptr);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_ALARM_HOUR)));
    SendMessageTimeoutA(GetDlgItem(dialog, IDC_ALARM_HOUR), CB_SETCURSEL, 17, 0, SMTO_BLOCK, 3000, nullptr);
    SendMessageTimeoutA(GetDlgItem(dialog, IDC_ALARM_MINUTE), CB_SETCURSEL, 9, 0, SMTO_BLOCK, 3000, nullptr);
    Screenshot("note-alarm-dialog");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    app.Command(ID_APP_EXIT);
    ASSERT_TRUE(app.WaitExit(15000));
    SYSTEMTIME today;
    GetLocalTime(&today);
    char expected[32];
    snprintf(expected, sizeof(expected), "%04d%02d%02d174500", today.wYear, today.wMonth, today.wDay);
    const std::string header = DocumentReader(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE")).NextString();
    EXPECT_EQ(header.substr(17), expected) << header;
}

// The mean colour of a screen area as (red, green, blue).
std::array<int, 3> MeanColour(const RECT& area) {
    const std::vector<DWORD> pixels = ScreenPixels(area);
    std::array<long long, 3> sum = {0, 0, 0};
    for (DWORD p : pixels) {
        sum[0] += (p >> 16) & 0xFF;
        sum[1] += (p >> 8) & 0xFF;
        sum[2] += p & 0xFF;
    }
    const long long n = pixels.empty() ? 1 : static_cast<long long>(pixels.size());
    return {static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n), static_cast<int>(sum[2] / n)};
}

int Distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

TEST(Note, EveryBackgroundAndBothFontsAreDrawn) {
    ProgramDir dir = KapsOnlyDir("note-looks");
    KapHeader header{"20240101000020", false, "", false, "00000000000000"};
    DocumentWriter writer(header);
    writer.Int(300).Int(150).Int(220).Int(240).Int(0).Line("Arial").Int(14).Line("TXT_REGULAR").Line("BLACK");
    writer.Line("").Line("The quick brown fox\njumps over 0123456789");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20240101000020.VIMONOTE", EncodeDocumentBase64(writer.Text()));
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    HWND note = kaps[0];
    MouseMove(1000, 700);
    const RECT r = WindowRectOf(note);
    const RECT body = {r.left + 30, r.top + 150, r.left + 190, r.top + 190}; // below the text
    const RECT text = {r.left + 18, r.top + 46, r.left + 200, r.top + 90};
    auto command = [&](UINT id) { SendMessageTimeoutA(note, WM_COMMAND, id, 0, SMTO_BLOCK, 5000, nullptr); };

    std::vector<std::array<int, 3>> backgrounds;
    for (UINT i = 0; i < 5; ++i) {
        command(ID_NOTE_BACKGROUND_DEFAULT + i);
        std::array<int, 3> colour = {};
        // The look settles once two reads agree.
        WaitFor(
            [&] {
                const std::array<int, 3> now = MeanColour(body);
                const bool still = now == colour;
                colour = now;
                return still;
            },
            3000, 100);
        backgrounds.push_back(colour);
        Screenshot("note-background-" + std::to_string(i));
    }
    for (std::size_t a = 0; a < backgrounds.size(); ++a)
        for (std::size_t b = a + 1; b < backgrounds.size(); ++b)
            EXPECT_GT(Distance(backgrounds[a], backgrounds[b]), 20) << "backgrounds " << a << " and " << b;

    command(ID_NOTE_BACKGROUND_DEFAULT);
    std::vector<std::vector<DWORD>> fonts;
    for (UINT id : {ID_NOTE_FONT_COURIER, ID_NOTE_FONT_ARIAL}) {
        command(id);
        std::vector<DWORD> last;
        WaitFor(
            [&] {
                const std::vector<DWORD> now = ScreenPixels(text);
                const bool still = now == last && (fonts.empty() || now != fonts.back());
                last = now;
                return still;
            },
            3000, 100);
        fonts.push_back(last);
        Screenshot(id == ID_NOTE_FONT_COURIER ? "note-font-courier" : "note-font-arial");
    }
    EXPECT_NE(fonts[0], fonts[1]) << "the two fonts draw the text differently";
    // Dark text pixels: the text is drawn in both fonts.
    for (const std::vector<DWORD>& pixels : fonts)
        EXPECT_GT(std::count_if(pixels.begin(), pixels.end(),
                                [](DWORD p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200; }),
                  100);
    for (UINT id : {ID_NOTE_COLOR_RED, ID_NOTE_STYLE_BOLD, ID_NOTE_SIZE_16}) command(id);
    std::vector<DWORD> last;
    EXPECT_TRUE(WaitFor(
        [&] {
            const std::vector<DWORD> now = ScreenPixels(text);
            const bool still = now == last && now != fonts.back();
            last = now;
            return still;
        },
        3000, 100));
    Screenshot("note-red-bold-16");
    EXPECT_TRUE(app.Exit());
}

// The current local minute as an alarm stamp.
std::string ThisMinute() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[32];
    snprintf(stamp, sizeof(stamp), "%04d%02d%02d%02d%02d00", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    return stamp;
}

// Puts a note into Notes\ before the program starts.
void WriteNote(const ProgramDir& dir, const std::string& name, const std::string& stamp, int x, int y, bool topMost) {
    KapHeader header{name, false, "", topMost, stamp};
    DocumentWriter writer(header);
    writer.Int(x).Int(y).Int(200).Int(300).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK").Line("");
    writer.Line("ring ring");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\" + name + ".VIMONOTE", EncodeDocumentBase64(writer.Text()));
}

// The check marks of a shown popup menu: the centre rows (menu window coordinates) of the dark
// runs in the margin left of the entries' texts, top to bottom.
std::vector<int> MarkRows(HWND menu) {
    const RECT r = WindowRectOf(menu);
    const int margin = GetSystemMetrics(SM_CXMENUCHECK);
    const RECT strip = {r.left + 2, r.top, r.left + margin, r.bottom};
    const std::vector<DWORD> pixels = ScreenPixels(strip);
    const int width = strip.right - strip.left, height = strip.bottom - strip.top;
    std::vector<int> rows;
    int runStart = -1;
    for (int y = 0; y <= height; ++y) {
        bool dark = false;
        for (int x = 0; y < height && x < width && !dark; ++x) {
            const DWORD p = pixels[static_cast<std::size_t>(y) * width + x];
            dark = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96;
        }
        if (dark && runStart < 0) runStart = y;
        if (!dark && runStart >= 0) {
            rows.push_back((runStart + y - 1) / 2);
            runStart = -1;
        }
    }
    return rows;
}

// Opens a note's context menu with the right button, reads its marks and closes it with Escape.
std::vector<int> ContextMenuMarks(const VimoProcess& app, HWND note, const std::string& shot) {
    const RECT r = WindowRectOf(note);
    RightClickAt(r.right - 20, r.top + 60);
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = ShownPopupMenu(app.ProcessId())) != nullptr; }, 5000)) {
        ADD_FAILURE() << "the context menu did not open";
        return {};
    }
    // The menu is drawn once most of its pixels have the menu colour, and it is still once two
    // reads agree.
    const DWORD menuColour = GetSysColor(COLOR_MENU);
    const DWORD menuPixel = (GetRValue(menuColour) << 16) | (GetGValue(menuColour) << 8) | GetBValue(menuColour);
    std::vector<DWORD> last;
    const bool drawn = WaitFor(
        [&] {
            const std::vector<DWORD> pixels = ScreenPixels(WindowRectOf(menu));
            const auto plain = std::count(pixels.begin(), pixels.end(), menuPixel);
            const bool still = pixels == last;
            last = pixels;
            return still && plain * 2 > static_cast<std::ptrdiff_t>(pixels.size());
        },
        5000, 100);
    EXPECT_TRUE(drawn) << "the context menu is drawn";
    Screenshot(shot);
    const std::vector<int> rows = MarkRows(menu);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return ShownPopupMenu(app.ProcessId()) == nullptr; }, 5000));
    return rows;
}

std::string Rows(const std::vector<int>& rows) {
    std::string text;
    for (int row : rows) text += std::to_string(row) + " ";
    return text;
}

// A note with a reminder of this minute rings; one click brings it home. A second note, with a
// reminder next year and the same top-most state, shows what the context menu marks look like.
void RingAndBringBack(bool topMost) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    auto centred = [&](HWND note) {
        const RECT r = WindowRectOf(note);
        return std::abs((r.left + r.right) / 2 - screenW / 2) < 80;
    };
    SYSTEMTIME today;
    GetLocalTime(&today);
    char nextYear[32];
    snprintf(nextYear, sizeof(nextYear), "%04d0615120000", today.wYear + 1);
    // The check compares minutes: a start that runs into the next minute misses it, so try again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        ProgramDir dir = KapsOnlyDir(topMost ? "note-ringing-topmost" : "note-ringing");
        const std::string stamp = ThisMinute();
        WriteNote(dir, "20240101000000", stamp, 40, 60, topMost);
        WriteNote(dir, "20240101000001", nextYear, 780, 60, topMost);
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir));
        ASSERT_NE(app.WaitController(), nullptr);
        ASSERT_EQ(app.WaitKaps(2).size(), 2u);
        HWND note = nullptr, reference = nullptr;
        for (HWND kap : app.Kaps()) (WindowRectOf(kap).left == 780 ? reference : note) = kap;
        ASSERT_NE(note, nullptr);
        ASSERT_NE(reference, nullptr);
        const bool rang =
            WaitFor(
                [&] {
                    if (centred(note)) return true;
                    SYSTEMTIME now;
                    GetLocalTime(&now);
                    return ThisMinute() != stamp && now.wSecond >= 6; // the minute is over and checked once more
                },
                70000) &&
            centred(note);
        if (!rang) {
            app.Command(ID_APP_EXIT);
            app.WaitExit(15000);
            continue;
        }
        EXPECT_TRUE(GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST) << "it rings on top";
        Screenshot(topMost ? "note-ringing-topmost" : "note-ringing");
        const RECT ringing = WindowRectOf(note);
        // The note circles while the click is on its way: aim at its middle, far from every edge.
        ClickAt((ringing.left + ringing.right) / 2, (ringing.top + ringing.bottom) / 2);
        EXPECT_TRUE(WaitFor([&] { return WindowRectOf(note).left == 40 && WindowRectOf(note).top == 60; }, 5000))
            << "one click brings it back to its place";
        // The z-order is set back right after the last step home: wait for it, bounded.
        const auto topMostNow = [&] { return (GetWindowLongA(note, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
        WaitFor([&] { return topMostNow() == topMost; }, 3000);
        if (topMost)
            EXPECT_TRUE(topMostNow()) << "it was top-most before: it stays so";
        else
            EXPECT_FALSE(topMostNow()) << "it was not top-most before";

        // The reference shows the reminder mark (and the top-most one below it); the note that rang
        // shows the same marks but the reminder's.
        const std::vector<int> expected = ContextMenuMarks(app, reference, "note-menu-with-reminder");
        const std::vector<int> marks = ContextMenuMarks(app, note, "note-menu-after-ringing");
        ASSERT_EQ(expected.size(), topMost ? 2u : 1u) << "marks of the reference menu at rows " << Rows(expected);
        EXPECT_EQ(marks.size(), expected.size() - 1)
            << "marks at rows " << Rows(marks) << "; with a reminder " << Rows(expected);
        for (std::size_t i = 0; i < marks.size() && i + 1 < expected.size(); ++i)
            EXPECT_LE(std::abs(marks[i] - expected[i + 1]), 2) << Rows(marks) << "/ " << Rows(expected);

        app.Command(ID_APP_EXIT);
        ASSERT_TRUE(app.WaitExit(15000));
        KapHeader saved;
        ASSERT_TRUE(ParseHeader(
            DocumentReader(DecodeDocumentBase64(dir.Read("Notes\\20240101000000.VIMONOTE"))).NextString(), 0, saved));
        EXPECT_EQ(saved.tail, "00000000000000") << "the reminder is spent";
        EXPECT_EQ(saved.topMost, topMost);
        return;
    }
    FAIL() << "the note did not ring in three attempts";
}

TEST(Note, ReminderOfThisMinuteBringsTheNoteToTheCentreAndAClickBringsItHome) { RingAndBringBack(false); }

TEST(Note, TopMostNoteStaysTopMostAfterRingingAndLosesItsReminderMark) { RingAndBringBack(true); }

} // namespace
} // namespace vimo::e2e
