// The calendar kap as a user meets it: created from the tray menu on today's month, stepped across
// the year end, marking the days of the notes' reminders, bouncing a note from its day, and kept
// across a restart. What the calendar shows is read from the screen's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/calendar/calendar_date.h"
#include "kaps/desk/calendar/calendar_document.h"
#include "kaps/desk/calendar/grid_geometry.h"
#include "kaps/desk/calendar/month_grid.h"

namespace vimo::e2e {
namespace {

// What a grid cell shows, counted in pixels of the default skin's colours: the strong accent of
// today's tile and of a reminder day's number, and the soft accent of a reminder day's tile.
struct CellLookCount {
    int accent = 0;
    int soft = 0;
    bool Today() const { return accent > 200; }
    bool Marked() const { return soft > 150 && accent < 200; }
    bool Plain() const { return soft < 20 && accent < 20; }
};

std::ostream& operator<<(std::ostream& out, const CellLookCount& c) {
    return out << "{accent " << c.accent << ", soft " << c.soft << "}";
}

CellLookCount CountLook(const RECT& r) {
    CellLookCount count;
    for (DWORD p : ScreenPixels(r)) {
        const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
        if (blue - red > 90 && blue > 180) ++count.accent;
        if (std::abs(red - 0xE4) <= 12 && std::abs(green - 0xEE) <= 12 && std::abs(blue - 0xFE) <= 6) ++count.soft;
    }
    return count;
}

std::string NoteDocument(const std::string& name, const std::string& stamp, int x, int y) {
    KapHeader header{name, false, "", false, stamp};
    DocumentWriter writer(header);
    writer.Int(x).Int(y).Int(200).Int(300).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK").Line("");
    writer.Line("see the calendar");
    return EncodeDocumentBase64(writer.Text());
}

// Puts a note with a reminder on a day into Notes\ before the program starts.
void WriteNote(const ProgramDir& dir, const std::string& name, CalendarDate day, int x, int y) {
    char stamp[32];
    snprintf(stamp, sizeof(stamp), "%04d%02d%02d083000", day.year, day.month, day.day);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\" + name + ".VIMONOTE", NoteDocument(name, stamp, x, y));
}

CalendarDate Today() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return CalendarDate{now.wYear, now.wMonth, now.wDay};
}

int SkinInt(const ProgramDir& dir, const char* key) {
    return static_cast<int>(GetPrivateProfileIntA("VimoCalendarSkin", key, -1,
                                                  dir.File("Skin\\Default\\VimoCalendar\\Skin.VimoCalendar").c_str()));
}

// The calendar window and where its skin puts the grid.
class Calendar {
public:
    Calendar(const ProgramDir& dir, HWND window)
        : window_(window), grid_{SkinInt(dir, "TextBaseXPos"),   SkinInt(dir, "TextBaseYPos"),
                                 SkinInt(dir, "TextBaseWidth"),  SkinInt(dir, "TextBaseHeight"),
                                 SkinInt(dir, "TextBaseSpaceX"), SkinInt(dir, "TextBaseSpaceY")},
          lock_{SkinInt(dir, "LockPosX"), SkinInt(dir, "LockPosY"), SkinInt(dir, "LockWidth"),
                SkinInt(dir, "LockHeight")} {}

    HWND Window() const { return window_; }
    // Screen rectangle of day d of a month, as the calendar lays it out.
    RECT DayRect(YearMonth month, int day) const { return ToScreen(CellRect(grid_, GridOffset(month) + day)); }
    RECT LockRect() const { return ToScreen(lock_); }
    CellLookCount Look(YearMonth month, int day) const { return CountLook(DayRect(month, day)); }
    // Waits until day d of the month looks as wanted; returns its last look.
    template <typename Want> CellLookCount WaitLook(YearMonth month, int day, Want want, DWORD timeoutMs = 5000) {
        CellLookCount look;
        WaitFor(
            [&] {
                look = Look(month, day);
                return want(look);
            },
            timeoutMs, 50);
        return look;
    }
    // A menu command, carried out before this returns.
    void Command(UINT id) const { SendMessageTimeoutA(window_, WM_COMMAND, id, 0, SMTO_BLOCK, 10000, nullptr); }

private:
    RECT ToScreen(const LayerRect& r) const {
        const RECT w = WindowRectOf(window_);
        return RECT{w.left + r.x, w.top + r.y, w.left + r.Right(), w.top + r.Bottom()};
    }
    HWND window_;
    GridGeometry grid_;
    LayerRect lock_;
};

bool HasEdit(HWND kap) { return ChildOfClass(kap, "Edit") != nullptr; }

// The calendar among the program's kaps: the one of the calendar skin's size without an edit field.
HWND FindCalendar(const VimoProcess& app, const ProgramDir& dir) {
    for (HWND kap : app.Kaps()) {
        const RECT r = WindowRectOf(kap);
        if (!HasEdit(kap) && r.right - r.left == SkinInt(dir, "IconWidth") &&
            r.bottom - r.top == SkinInt(dir, "IconHeight"))
            return kap;
    }
    return nullptr;
}

HWND WaitCalendar(const VimoProcess& app, const ProgramDir& dir) {
    HWND calendar = nullptr;
    WaitFor([&] { return (calendar = FindCalendar(app, dir)) != nullptr; }, 15000);
    return calendar;
}

// Starts the program, creates one calendar from the tray menu and puts it at (x, y), clear of the
// notes; returns the calendar window.
HWND StartWithNewCalendar(VimoProcess& app, const ProgramDir& dir, int x = 100, int y = 420) {
    if (!app.Start(dir) || !app.WaitController()) return nullptr;
    app.Command(ID_NEW_CALENDAR);
    HWND calendar = WaitCalendar(app, dir);
    if (!calendar) return nullptr;
    SetWindowPos(calendar, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRectOf(calendar).left == x && WindowRectOf(calendar).top == y; }, 3000);
    return calendar;
}

HWND FindNote(const VimoProcess& app) {
    for (HWND kap : app.Kaps())
        if (HasEdit(kap)) return kap;
    return nullptr;
}

// The keyboard focus of the program's window thread lies in the window or one of its children.
bool HasFocusIn(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return false;
    return info.hwndFocus == window || IsChild(window, info.hwndFocus);
}

TEST(Calendar, OpensOnTodaysMonthAndStepsAcrossTheYearEnd) {
    const CalendarDate today = Today();
    const YearMonth month{today.year, today.month};
    const YearMonth december{today.year, 12}, january{today.year + 1, 1};
    // Days 20 and 21 of December, or 10 and 11 while one of the first two is today.
    const int decemberDay = (month == december && (today.day == 20 || today.day == 21)) ? 10 : 20;
    ProgramDir dir = KapsOnlyDir("calendar-months");
    WriteNote(dir, "20240101000001", CalendarDate{january.year, 1, 12}, 420, 60);
    WriteNote(dir, "20240101000002", CalendarDate{december.year, 12, decemberDay}, 640, 60);
    VimoProcess app;
    HWND window = StartWithNewCalendar(app, dir);
    ASSERT_NE(window, nullptr);
    Calendar calendar(dir, window);

    const CellLookCount todayLook = calendar.WaitLook(month, today.day, [](CellLookCount c) { return c.Today(); });
    EXPECT_TRUE(todayLook.Today()) << "today's cell in today's month " << todayLook;
    const int otherDay = today.day <= 14 ? 22 : 3;
    EXPECT_TRUE(calendar.Look(month, otherDay).Plain()) << calendar.Look(month, otherDay);
    Screenshot("calendar-today");

    calendar.Command(ID_CALENDAR_NEXT_MONTH);
    const YearMonth next = NextMonth(month);
    const int nextDay = 15;
    calendar.WaitLook(next, nextDay, [](CellLookCount c) { return !c.Today(); });
    for (int d = 1; d <= DaysInMonth(next.year, next.month); ++d)
        EXPECT_FALSE(calendar.Look(next, d).Today()) << "no today in the next month, day " << d;
    Screenshot("calendar-next-month");

    for (YearMonth shown = next; !(shown == january); shown = NextMonth(shown))
        calendar.Command(ID_CALENDAR_NEXT_MONTH);
    const CellLookCount reminder = calendar.WaitLook(january, 12, [](CellLookCount c) { return c.Marked(); });
    EXPECT_TRUE(reminder.Marked()) << "January of next year shows its reminder " << reminder;
    EXPECT_TRUE(calendar.Look(january, 13).Plain()) << calendar.Look(january, 13);
    Screenshot("calendar-january");

    calendar.Command(ID_CALENDAR_PREVIOUS_MONTH);
    const CellLookCount back = calendar.WaitLook(december, decemberDay, [](CellLookCount c) { return c.Marked(); });
    EXPECT_TRUE(back.Marked()) << "back in December of this year " << back;
    EXPECT_TRUE(calendar.Look(december, decemberDay + 1).Plain()) << "only the reminder day is marked";
    EXPECT_TRUE(app.Exit());
}

TEST(Calendar, ReminderDayIsMarkedBouncesItsNoteAndLosesTheMarkWhenTheNoteIsDeleted) {
    const CalendarDate today = Today();
    const YearMonth month{today.year, today.month};
    const int day = today.day <= 14 ? 20 : 5, plainDay = day + 1;
    ProgramDir dir = KapsOnlyDir("calendar-marks");
    WriteNote(dir, "20240101000003", CalendarDate{month.year, month.month, day}, 420, 120);
    VimoProcess app;
    HWND window = StartWithNewCalendar(app, dir);
    ASSERT_NE(window, nullptr);
    HWND note = FindNote(app);
    ASSERT_NE(note, nullptr);
    Calendar calendar(dir, window);

    const CellLookCount marked = calendar.WaitLook(month, day, [](CellLookCount c) { return c.Marked(); });
    EXPECT_TRUE(marked.Marked()) << marked;
    EXPECT_TRUE(calendar.Look(month, plainDay).Plain()) << calendar.Look(month, plainDay);
    Screenshot("calendar-marked-day");

    // A click on the day bounces the note down and back onto its place, and gives it the focus.
    const RECT home = WindowRectOf(note);
    const RECT cell = calendar.DayRect(month, day);
    int lowest = home.top;
    ClickAt((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    const bool bounced = WaitFor(
        [&] {
            const RECT now = WindowRectOf(note);
            lowest = std::max<int>(lowest, now.top);
            return lowest >= home.top + 30 && now.top == home.top;
        },
        5000, 1);
    EXPECT_TRUE(bounced) << "lowest top " << lowest << ", home " << home.top;
    EXPECT_EQ(WindowRectOf(note).left, home.left);
    EXPECT_TRUE(WaitFor([&] { return HasFocusIn(note); }, 3000)) << "the bounced note has the focus";

    // Deleting the note takes its mark away.
    PostMessageA(note, WM_COMMAND, ID_NOTE_DELETE, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindDialog(app.ProcessId(), "Delete KAP")) != nullptr; }, 5000));
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(note); }, 5000));
    const CellLookCount after = calendar.WaitLook(month, day, [](CellLookCount c) { return c.Plain(); });
    EXPECT_TRUE(after.Plain()) << "the mark is gone " << after;
    Screenshot("calendar-mark-removed");
    EXPECT_TRUE(dir.Exists("Deleted\\20240101000003.VIMONOTE"));
    EXPECT_TRUE(app.Exit());
}

TEST(Calendar, DayOfTwoRemindersBouncesBothNotesOneAfterTheOther) {
    const CalendarDate today = Today();
    const YearMonth month{today.year, today.month};
    const int day = today.day <= 14 ? 20 : 5;
    ProgramDir dir = KapsOnlyDir("calendar-two-notes");
    WriteNote(dir, "20240101000004", CalendarDate{month.year, month.month, day}, 420, 60);
    WriteNote(dir, "20240101000005", CalendarDate{month.year, month.month, day}, 700, 60);
    VimoProcess app;
    HWND window = StartWithNewCalendar(app, dir);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(app.WaitKaps(3).size(), 3u);
    std::vector<HWND> notes;
    for (HWND kap : app.Kaps())
        if (HasEdit(kap)) notes.push_back(kap);
    ASSERT_EQ(notes.size(), 2u);
    Calendar calendar(dir, window);
    const CellLookCount marked = calendar.WaitLook(month, day, [](CellLookCount c) { return c.Marked(); });
    EXPECT_TRUE(marked.Marked()) << marked;
    Screenshot("calendar-two-reminders");

    // Watch both notes from the click until both are back: each must go down at least 30 pixels
    // and come home, and never both be away at once.
    struct Watch {
        HWND note;
        RECT home;
        int lowest;
        bool left = false, back = false;
    };
    std::vector<Watch> watches;
    for (HWND note : notes) watches.push_back(Watch{note, WindowRectOf(note), WindowRectOf(note).top});
    std::vector<HWND> order; // the notes in the order they started to bounce
    bool together = false;
    const RECT cell = calendar.DayRect(month, day);
    ClickAt((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    const bool bothBounced = WaitFor(
        [&] {
            int away = 0;
            for (Watch& w : watches) {
                const RECT now = WindowRectOf(w.note);
                w.lowest = std::max<int>(w.lowest, now.top);
                if (now.top != w.home.top) {
                    ++away;
                    if (!w.left) order.push_back(w.note);
                    w.left = true;
                } else if (w.left && w.lowest >= w.home.top + 30) {
                    w.back = true;
                }
                EXPECT_EQ(now.left, w.home.left) << "a bounce goes straight down and up";
            }
            together = together || away > 1;
            return watches[0].back && watches[1].back;
        },
        8000, 1);
    for (const Watch& w : watches) EXPECT_TRUE(w.back) << "lowest top " << w.lowest << ", home " << w.home.top;
    EXPECT_TRUE(bothBounced);
    EXPECT_FALSE(together) << "the second note bounces after the first is home";
    ASSERT_EQ(order.size(), 2u);
    EXPECT_TRUE(WaitFor([&] { return HasFocusIn(order[1]); }, 3000)) << "the note bounced last keeps the focus";
    for (const Watch& w : watches) EXPECT_EQ(WindowRectOf(w.note).top, w.home.top);
    EXPECT_TRUE(app.Exit());
}

TEST(Calendar, PlaceAndLockComeBackAfterARestart) {
    ProgramDir dir = KapsOnlyDir("calendar-restart");
    VimoProcess app;
    HWND window = StartWithNewCalendar(app, dir, 320, 240);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(WindowRectOf(window).left, 320);
    Calendar calendar(dir, window);
    const RECT before = WindowRectOf(window);
    const std::vector<DWORD> unlocked = ScreenPixels(calendar.LockRect());
    calendar.Command(ID_CALENDAR_LOCK);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(calendar.LockRect()) != unlocked; }, 3000))
        << "the lock picture shows";
    EXPECT_TRUE(app.Exit());

    std::string name;
    CalendarDocument document;
    ASSERT_TRUE(ParseCalendarDocument(ReadOnlyDocument(dir, "Notes\\*.VIMOCALENDAR", &name), document));
    EXPECT_EQ(name, document.header.kapName + ".VIMOCALENDAR");
    EXPECT_TRUE(document.header.locked);
    EXPECT_FALSE(document.header.topMost);
    EXPECT_EQ(document.rect.x, 320);
    EXPECT_EQ(document.rect.y, 240);
    EXPECT_EQ(document.rect.width, before.right - before.left);
    EXPECT_EQ(document.rect.height, before.bottom - before.top);

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    HWND reloadedWindow = WaitCalendar(again, dir);
    ASSERT_NE(reloadedWindow, nullptr);
    const RECT after = WindowRectOf(reloadedWindow);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    Calendar reloaded(dir, reloadedWindow);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(reloaded.LockRect()) != unlocked; }, 3000)) << "still locked";
    const CalendarDate today = Today();
    EXPECT_TRUE(
        reloaded.WaitLook({today.year, today.month}, today.day, [](CellLookCount c) { return c.Today(); }).Today())
        << "a reloaded calendar opens on today's month";
    Screenshot("calendar-restarted");
    EXPECT_TRUE(again.Exit());
    std::string nameAfter;
    ASSERT_TRUE(ParseCalendarDocument(ReadOnlyDocument(dir, "Notes\\*.VIMOCALENDAR", &nameAfter), document));
    EXPECT_EQ(nameAfter, name);
    EXPECT_TRUE(document.header.locked);
}

} // namespace
} // namespace vimo::e2e
