// The remote kap dock as a user meets it: it appears at start, its icons create kaps and open
// shortcuts, icons are added, edited and removed through its menu and dialog, it is moved,
// resized, locked, and it hides and comes back at its trigger edge.
#include <gtest/gtest.h>

#include "app/kap_factories_win.h"
#include "base/resource.h"
#include "bars/dock/dock_document.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_types.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vimo::e2e {
namespace {

const char kDockDocument[] = "Notes\\MAIN0000000000.VIMOREMOTEKAP";
const char kDockCaption[] = "VimoRemoteKap";
const char kDialogCaption[] = "Icon Setup";

// --- the program directory ---------------------------------------------------------------------

void WriteIni(const ProgramDir& dir, const std::string& extra = "") {
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=1\r\nLoadRemoteWIN=0\r\n" + extra);
}

DockIcon KapIcon(const ProgramDir& dir, const std::string& type, const std::string& title) {
    return DockIcon{type, dir.File("Skin\\Default\\VimoRemoteKap\\" + type + ".PNG"), "None", "NULL", title};
}

DockIcon ShortcutIcon(const ProgramDir& dir, const std::string& action, const std::string& picture,
                      const std::string& parameter, const std::string& title) {
    return DockIcon{"KAP_SHORTCUT", dir.File("Skin\\Default\\VimoRemoteKap\\" + picture), action, parameter, title};
}

void WriteDock(const ProgramDir& dir, const DockDocument& dock) {
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write(kDockDocument, EncodeDocumentBase64(ComposeDockText(dock)));
}

std::optional<DockDocument> ReadDock(const ProgramDir& dir) {
    const std::string text = ReadOnlyDocument(dir, kDockDocument);
    if (text.empty()) return std::nullopt;
    return ParseDockText(text, KapRect{});
}

std::vector<std::string> Titles(const DockDocument& dock) {
    std::vector<std::string> titles;
    for (const DockIcon& icon : dock.icons) titles.push_back(icon.title);
    return titles;
}

int SkinInt(const ProgramDir& dir, const char* key) {
    const std::string file = dir.File("Skin\\Default\\VimoRemoteKap\\Skin.VimoRemoteKap");
    return static_cast<int>(GetPrivateProfileIntA("VimoRemoteKapSkin", key, 0, file.c_str()));
}

// The width of a dock of some columns of the skin's icons.
int DockWidth(const ProgramDir& dir, int columns) {
    return (SkinInt(dir, "IconWidth") + SkinInt(dir, "IconHSpacing")) * columns - SkinInt(dir, "IconHSpacing") +
           SkinInt(dir, "MarginLeft") + SkinInt(dir, "MarginRight");
}

// --- the dock window ---------------------------------------------------------------------------

struct CaptionSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDockProc(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    if (pid == search->processId && std::string(title) == kDockCaption) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The dock window of a process, shown or hidden.
HWND DockOf(const VimoProcess& app) {
    CaptionSearch search = {app.ProcessId(), nullptr};
    EnumWindows(FindDockProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitDock(const VimoProcess& app) {
    HWND dock = nullptr;
    WaitFor([&] { return (dock = DockOf(app)) != nullptr && IsWindowVisible(dock); }, 15000);
    return dock;
}

BOOL CALLBACK CollectButtons(HWND hwnd, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpiA(cls, "Button") == 0) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

// The icons' input windows in the order the dock shows them: row by row, left to right.
std::vector<HWND> Icons(HWND dock) {
    std::vector<HWND> icons;
    EnumChildWindows(dock, CollectButtons, reinterpret_cast<LPARAM>(&icons));
    std::sort(icons.begin(), icons.end(), [](HWND a, HWND b) {
        const RECT ra = WindowRectOf(a), rb = WindowRectOf(b);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return icons;
}

bool WaitIconCount(HWND dock, std::size_t count) {
    return WaitFor([&] { return Icons(dock).size() == count; }, 5000);
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A point of the dock's frame that no icon covers (its top-left margin).
POINT FramePoint(HWND dock) {
    const RECT r = WindowRectOf(dock);
    return POINT{r.left + 11, r.top + 11};
}

// A point within the resize grip at the bottom-right corner, clear of the icons.
POINT GripPoint(HWND dock) {
    const RECT r = WindowRectOf(dock);
    return POINT{r.right - 12, r.bottom - 12};
}

// Real mouse input whose event carries its own screen position, so that a press or a release
// cannot land where an earlier, still pending move left the pointer.
void MouseAt(POINT p, DWORD buttons = 0) {
    SetCursorPos(p.x, p.y);
    const long long w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + w - 1) / w);
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + h - 1) / h);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof(input));
}

void Click(POINT p) { ClickAt(p.x, p.y); }

void DragTo(POINT from, POINT to) { Drag(from.x, from.y, to.x, to.y); }

void Keys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
}

// A shown popup menu of the process.
HWND OpenMenu(const VimoProcess& app) {
    for (HWND hwnd : app.Windows()) {
        char cls[32] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (std::string(cls) == "#32768" && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

// Opens the dock's context menu with the right button at p and picks its n-th entry (from 1)
// with the arrow keys, as a user does with the keyboard. With goOnTo, the pointer goes on there as soon
// as the button is up, before the program has had time to open the menu.
bool ChooseFromMenu(const VimoProcess& app, POINT p, int entry, std::optional<POINT> goOnTo = std::nullopt) {
    MouseAt(p);
    MouseAt(p, MOUSEEVENTF_RIGHTDOWN);
    MouseAt(p, MOUSEEVENTF_RIGHTUP);
    if (goOnTo) MouseAt(*goOnTo);
    if (!WaitFor([&] { return OpenMenu(app) != nullptr; }, 5000)) return false;
    for (int i = 0; i < entry; ++i) Keys({VK_DOWN});
    Keys({VK_RETURN});
    return WaitFor([&] { return OpenMenu(app) == nullptr; }, 5000);
}

HWND WaitIconDialog(const VimoProcess& app) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), kDialogCaption)) != nullptr; }, 5000);
    return dialog;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
    return text;
}

void SetTextOf(HWND window, const std::string& text) {
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK, 5000, nullptr);
}

LRESULT Send(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_BLOCK, 5000, &result);
    return static_cast<LRESULT>(result);
}

// An entry of a list in another process (read as wide text, which crosses processes whole).
std::string ComboEntry(HWND combo, int index) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_BLOCK, 5000, &length);
    if (length == 0 || length > 200) return {};
    wchar_t text[256] = {};
    SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        5000, nullptr);
    std::string narrow;
    for (const wchar_t* c = text; *c; ++c) narrow += static_cast<char>(*c);
    return narrow;
}

// Chooses an entry of the dialog's action list as a user does: the list changes, the dialog hears.
void ChooseAction(HWND dialog, int index) {
    HWND combo = GetDlgItem(dialog, IDC_ICON_ACTION);
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    Send(dialog, WM_COMMAND, MAKEWPARAM(IDC_ICON_ACTION, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

int FindComboEntry(HWND combo, const std::string& text) {
    const int count = static_cast<int>(Send(combo, CB_GETCOUNT));
    for (int i = 0; i < count; ++i)
        if (ComboEntry(combo, i) == text) return i;
    return -1;
}

// A cheap fingerprint of what the screen shows in a rectangle.
std::uint64_t ScreenPrint(const RECT& r) {
    HDC screen = GetDC(nullptr);
    std::uint64_t print = 1469598103934665603ULL;
    for (int y = r.top; y < r.bottom; y += 3)
        for (int x = r.left; x < r.right; x += 3) print = (print ^ GetPixel(screen, x, y)) * 1099511628211ULL;
    ReleaseDC(nullptr, screen);
    return print;
}

// --- tests -------------------------------------------------------------------------------------

TEST(Dock, ANewDockShowsOneIconPerKapAndPlacesAndItsNoteIconMakesANote) {
    ProgramDir dir("dock-new");
    WriteIni(dir);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr) << "LoadRemoteKAP=1 shows the dock";
    EXPECT_TRUE(GetWindowLongA(dock, GWL_EXSTYLE) & WS_EX_TOPMOST) << "RemoteKAPAlwaysOnTop is on by default";
    EXPECT_TRUE(GetWindowLongA(dock, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no task bar button";
    std::size_t kapIcons = 0; // one per kap type the program makes
    for (const KapTypeInfo& info : AllKapTypes()) kapIcons += FactoryOf(info.type) ? 1 : 0;
    ASSERT_TRUE(WaitIconCount(dock, kapIcons + 5)) << Icons(dock).size();

    // The grid: whole icons between the margins of the skin.
    const int iconW = SkinInt(dir, "IconWidth"), iconH = SkinInt(dir, "IconHeight");
    const int stepX = iconW + SkinInt(dir, "IconHSpacing"), stepY = iconH + SkinInt(dir, "IconVSpacing");
    const RECT frame = WindowRectOf(dock);
    const std::vector<HWND> icons = Icons(dock);
    const RECT first = WindowRectOf(icons[0]);
    EXPECT_EQ(first.left - frame.left, SkinInt(dir, "MarginLeft"));
    EXPECT_EQ(first.top - frame.top, SkinInt(dir, "MarginTop"));
    const int columns = (frame.right - frame.left - SkinInt(dir, "MarginLeft") - SkinInt(dir, "MarginRight") +
                         SkinInt(dir, "IconHSpacing")) /
                        stepX;
    ASSERT_GT(columns, 0);
    EXPECT_EQ(frame.right - frame.left, DockWidth(dir, columns));
    const int rows = (static_cast<int>(icons.size()) + columns - 1) / columns;
    EXPECT_EQ(frame.bottom - frame.top,
              stepY * rows - SkinInt(dir, "IconVSpacing") + SkinInt(dir, "MarginTop") + SkinInt(dir, "MarginBottom"));
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const RECT r = WindowRectOf(icons[i]);
        EXPECT_EQ(r.left - first.left, stepX * static_cast<int>(i % columns)) << i;
        EXPECT_EQ(r.top - first.top, stepY * static_cast<int>(i / columns)) << i;
        EXPECT_EQ(r.right - r.left, iconW);
    }

    // The look, without and with the pointer on the note icon.
    MouseMove(900, 600);
    const RECT noteIcon = WindowRectOf(icons[0]);
    std::uint64_t still = ScreenPrint(noteIcon);
    WaitFor(
        [&] {
            const std::uint64_t now = ScreenPrint(noteIcon);
            const bool same = now == still;
            still = now;
            return same;
        },
        3000, 100);
    Screenshot("dock-default");
    MouseAt(Centre(noteIcon));
    EXPECT_TRUE(WaitFor([&] { return ScreenPrint(noteIcon) != still; }, 3000, 50))
        << "the hovered icon grows and shows its title";
    Screenshot("dock-hovered");

    ASSERT_EQ(app.Kaps().size(), 0u) << "only the dock, which is no kap";
    MouseAt(Centre(noteIcon), MOUSEEVENTF_LEFTDOWN);
    MouseAt(Centre(noteIcon), MOUSEEVENTF_LEFTUP);
    const std::vector<HWND> made = app.WaitKaps(1);
    ASSERT_EQ(made.size(), 1u) << "a click on the note icon makes a note";
    Screenshot("dock-note-made");
    // New kaps are placed where the user sees them: not under the dock, not on one another.
    const RECT dockNow = WindowRectOf(dock), madeRect = WindowRectOf(made[0]);
    RECT overlap = {};
    EXPECT_FALSE(IntersectRect(&overlap, &madeRect, &dockNow)) << "the new note is not under the dock";
    app.Command(ID_NEW_NOTE);
    const std::vector<HWND> both = app.WaitKaps(2);
    ASSERT_EQ(both.size(), 2u);
    const RECT a = WindowRectOf(both[0]), b = WindowRectOf(both[1]);
    EXPECT_TRUE(a.left != b.left || a.top != b.top) << "the second note does not cover the first";
    EXPECT_TRUE(app.Exit());

    std::size_t notes = 0;
    WIN32_FIND_DATAA found = {};
    if (HANDLE search = FindFirstFileA(dir.File("Notes\\*.VIMONOTE").c_str(), &found); search != INVALID_HANDLE_VALUE) {
        do ++notes;
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(notes, 2u) << "each note has its document";
    const std::optional<DockDocument> saved = ReadDock(dir);
    ASSERT_TRUE(saved) << "the dock writes its document at exit";
    // One icon per kap type the program makes, then five shell places.
    EXPECT_EQ(saved->icons.size(), kapIcons + 5);
    EXPECT_EQ(saved->icons[0].type, "KAP_NOTE");
    EXPECT_EQ(saved->icons[0].title, "New Note");
    EXPECT_FALSE(saved->locked);
    EXPECT_EQ(DocumentReader(ReadOnlyDocument(dir, kDockDocument)).NextString(), "AMAIN0000000000U");
}

TEST(Dock, IconsAddedEditedAndRemovedComeBackAfterARestart) {
    ProgramDir dir("dock-edit");
    WriteIni(dir);
    DockDocument start;
    start.rect = KapRect{300, 150, 244, 100};
    start.icons = {KapIcon(dir, "KAP_NOTE", "New Note"), KapIcon(dir, "KAP_CLOCK", "New Clock"),
                   ShortcutIcon(dir, "My Computer", "ACTION_MYCOMPUTER.PNG", "NULL", "My Computer")};
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(WaitIconCount(dock, 3));

    // An "Add" entry appends a kap icon; the change reaches the document within about 10 s.
    PostMessageA(dock, WM_COMMAND, ID_NEW_CALC, 0);
    ASSERT_TRUE(WaitIconCount(dock, 4));
    std::optional<DockDocument> saved;
    EXPECT_TRUE(WaitFor(
        [&] {
            saved = ReadDock(dir);
            return saved && saved->icons.size() == 4;
        },
        13000, 250))
        << "saved within 10 s";
    if (saved && saved->icons.size() == 4) {
        EXPECT_EQ(saved->icons[3].type, "KAP_CALC");
    }

    // The shortcut entry appends a shortcut and opens its dialog.
    PostMessageA(dock, WM_COMMAND, ID_NEW_SHORTCUT, 0);
    HWND dialog = WaitIconDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Icons(dock).size(), 5u);
    HWND actions = GetDlgItem(dialog, IDC_ICON_ACTION);
    EXPECT_TRUE(IsWindowEnabled(actions));
    EXPECT_EQ(ComboEntry(actions, static_cast<int>(Send(actions, CB_GETCURSEL))), "User Shortcut");
    const int separator = FindComboEntry(actions, "------------------------------");
    ASSERT_GE(separator, 0) << "the list has its separator lines";
    const int taskbar = FindComboEntry(actions, "Show / Hide Taskbar");
    ASSERT_GE(taskbar, 0);
    ChooseAction(dialog, taskbar);
    EXPECT_NE(TextOf(GetDlgItem(dialog, IDC_ICON_IMAGE)).find("ACTION_SHOWHIDETASKBAR.PNG"), std::string::npos)
        << "the skin's picture follows the action: " << TextOf(GetDlgItem(dialog, IDC_ICON_IMAGE));
    ChooseAction(dialog, separator);
    EXPECT_EQ(Send(actions, CB_GETCURSEL), taskbar) << "a separator line cannot be chosen";
    SetTextOf(GetDlgItem(dialog, IDC_ICON_TITLE), "Taskbar");
    Screenshot("dock-icon-dialog");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));

    // Editing through the icon's menu: "Edit Icon..." is the second entry.
    std::vector<HWND> icons = Icons(dock);
    ASSERT_TRUE(ChooseFromMenu(app, Centre(WindowRectOf(icons[1])), 2));
    dialog = WaitIconDialog(app);
    ASSERT_NE(dialog, nullptr) << "Edit Icon... opens the dialog for the clock icon";
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_ICON_TITLE)), "New Clock");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ICON_ACTION))) << "a kap icon's type decides what it does";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ICON_PARAMETER)));
    SetTextOf(GetDlgItem(dialog, IDC_ICON_TITLE), "Clock!");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));

    // Removing the note icon: "Remove Icon" is the third entry. The pointer going on over the clock
    // icon before the menu opens leaves it the note icon's menu.
    ASSERT_TRUE(ChooseFromMenu(app, Centre(WindowRectOf(icons[0])), 3, Centre(WindowRectOf(icons[1]))));
    EXPECT_TRUE(WaitIconCount(dock, 4));
    EXPECT_TRUE(app.Exit());

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    dock = WaitDock(again);
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(WaitIconCount(dock, 4));
    EXPECT_EQ(WindowRectOf(dock).left, 300);
    EXPECT_EQ(WindowRectOf(dock).top, 150);
    EXPECT_TRUE(again.Exit());
    saved = ReadDock(dir);
    ASSERT_TRUE(saved);
    EXPECT_EQ(Titles(*saved), (std::vector<std::string>{"Clock!", "My Computer", "New Calc", "Taskbar"}));
    ASSERT_EQ(saved->icons.size(), 4u);
    EXPECT_EQ(saved->icons[0].type, "KAP_CLOCK");
    EXPECT_EQ(saved->icons[3].type, "KAP_SHORTCUT");
    EXPECT_EQ(saved->icons[3].action, "Show / Hide Taskbar");
    EXPECT_EQ(saved->icons[3].parameter, "NULL");
}

TEST(Dock, UserShortcutIconOpensItsParameter) {
    ProgramDir dir("dock-shortcut");
    WriteIni(dir);
    const std::string log = dir.File("shortcut.log");
    dir.Write("logger.cmd", "@echo opened %*>>\"" + log + "\"\r\n");
    DockDocument start;
    start.rect = KapRect{250, 120, 244, 100};
    start.icons = {KapIcon(dir, "KAP_NOTE", "New Note")};
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(WaitIconCount(dock, 1));

    PostMessageA(dock, WM_COMMAND, ID_NEW_SHORTCUT, 0);
    HWND dialog = WaitIconDialog(app);
    ASSERT_NE(dialog, nullptr);
    SetTextOf(GetDlgItem(dialog, IDC_ICON_PARAMETER), dir.File("logger.cmd"));
    SetTextOf(GetDlgItem(dialog, IDC_ICON_TITLE), "Logger");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    ASSERT_TRUE(WaitIconCount(dock, 2));

    EXPECT_FALSE(dir.Exists("shortcut.log"));
    Click(Centre(WindowRectOf(Icons(dock)[1])));
    EXPECT_TRUE(WaitFor([&] { return dir.Read("shortcut.log").find("opened") != std::string::npos; }, 15000, 100))
        << "the shortcut's parameter was opened";
    EXPECT_TRUE(app.Exit());
    const std::optional<DockDocument> saved = ReadDock(dir);
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->icons.size(), 2u);
    EXPECT_EQ(saved->icons[1].action, "User Shortcut");
    EXPECT_EQ(saved->icons[1].parameter, dir.File("logger.cmd"));
    EXPECT_EQ(saved->icons[1].title, "Logger");
}

TEST(Dock, CornerDragSnapsToWholeIconsAndAMoveSnapsToTheScreenEdge) {
    ProgramDir dir("dock-resize");
    WriteIni(dir);
    DockDocument start;
    start.rect = KapRect{300, 200, 244, 100};
    for (const char* type : {"KAP_NOTE", "KAP_CLOCK", "KAP_CALC", "KAP_CALENDAR", "KAP_TRASH", "KAP_LINK"})
        start.icons.push_back(KapIcon(dir, type, type));
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(WaitIconCount(dock, 6));
    const int step = SkinInt(dir, "IconWidth") + SkinInt(dir, "IconHSpacing");
    const int stepY = SkinInt(dir, "IconHeight") + SkinInt(dir, "IconVSpacing");
    RECT r = WindowRectOf(dock);
    const int width = r.right - r.left, height = r.bottom - r.top;

    // Two more columns: the six icons fit one row.
    POINT grip = GripPoint(dock);
    DragTo(grip, POINT{grip.x + 2 * step + 10, grip.y});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(dock).right - WindowRectOf(dock).left == width + 2 * step; }, 3000))
        << WindowRectOf(dock).right - WindowRectOf(dock).left;
    r = WindowRectOf(dock);
    EXPECT_EQ(r.bottom - r.top, height - stepY) << "one row less";
    EXPECT_EQ(r.left, 300);
    Screenshot("dock-widened");

    // Narrowed to one column's width: six rows. (A drag past the smallest width is refused step by
    // step, so where it stops would depend on when the resize timer saw the pointer.)
    const int oneColumn = DockWidth(dir, 1);
    grip = GripPoint(dock);
    DragTo(grip, POINT{grip.x - (r.right - r.left - oneColumn), grip.y});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(dock).right - WindowRectOf(dock).left == oneColumn; }, 3000))
        << WindowRectOf(dock).right - WindowRectOf(dock).left;
    r = WindowRectOf(dock);
    EXPECT_EQ(r.bottom - r.top, height + 4 * stepY) << "six rows";

    // Moved to 10 pixels from the left edge, it lands on it.
    const POINT frame = FramePoint(dock);
    DragTo(frame, POINT{frame.x - (r.left - 10), frame.y + 40});
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(dock).top == r.top + 40; }, 3000)) << WindowRectOf(dock).top;
    EXPECT_EQ(WindowRectOf(dock).left, 0) << "the magnetic edge";
    EXPECT_TRUE(app.Exit());
    const std::optional<DockDocument> saved = ReadDock(dir);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->rect.x, 0);
    EXPECT_EQ(saved->rect.y, r.top + 40);
    EXPECT_EQ(saved->rect.width, oneColumn);
}

TEST(Dock, ALockedDockCannotBeMovedResizedOrEditedButItsIconsWork) {
    ProgramDir dir("dock-locked");
    WriteIni(dir);
    DockDocument start;
    start.rect = KapRect{300, 200, 244, 100};
    start.icons = {KapIcon(dir, "KAP_NOTE", "New Note"), KapIcon(dir, "KAP_CLOCK", "New Clock")};
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(WaitIconCount(dock, 2));
    const RECT r0 = WindowRectOf(dock);
    std::uint64_t unlockedLook = ScreenPrint(r0);
    PostMessageA(dock, WM_COMMAND, ID_DOCK_LOCK, 0);
    EXPECT_TRUE(WaitFor([&] { return ScreenPrint(r0) != unlockedLook; }, 3000)) << "the lock picture shows";
    Screenshot("dock-locked");

    const POINT frame = FramePoint(dock);
    DragTo(frame, POINT{frame.x + 120, frame.y + 90});
    const POINT grip = GripPoint(dock);
    DragTo(grip, POINT{grip.x + 150, grip.y + 60});
    PostMessageA(dock, WM_COMMAND, ID_NEW_CLOCK, 0);
    PostMessageA(dock, WM_COMMAND, ID_NEW_SHORTCUT, 0);
    // The dock handles posted commands in order: once the clock icon below answers, the ones above
    // have been handled.
    Click(Centre(WindowRectOf(Icons(dock)[1])));
    EXPECT_EQ(app.WaitKaps(1).size(), 1u) << "the clock icon still works";
    const RECT r1 = WindowRectOf(dock);
    EXPECT_EQ(r1.left, r0.left);
    EXPECT_EQ(r1.top, r0.top);
    EXPECT_EQ(r1.right, r0.right);
    EXPECT_EQ(r1.bottom, r0.bottom);
    EXPECT_EQ(Icons(dock).size(), 2u) << "nothing added";
    EXPECT_EQ(FindDialog(app.ProcessId(), kDialogCaption), nullptr);

    Click(Centre(WindowRectOf(Icons(dock)[0])));
    EXPECT_EQ(app.WaitKaps(2).size(), 2u) << "the note icon still works";
    EXPECT_TRUE(app.Exit());
    EXPECT_EQ(DocumentReader(ReadOnlyDocument(dir, kDockDocument)).NextString(), "AMAIN0000000000L");
    const std::optional<DockDocument> saved = ReadDock(dir);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->icons.size(), 2u);
    EXPECT_EQ(saved->rect.x, 300);
    EXPECT_EQ(saved->rect.y, 200);
}

// A shown popup menu of another process (the shell's start menu).
HWND ShellMenu(DWORD ourProcess) {
    HWND found = nullptr;
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, "#32768", nullptr); hwnd && !found;
         hwnd = FindWindowExA(nullptr, hwnd, "#32768", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != ourProcess && IsWindowVisible(hwnd)) found = hwnd;
    }
    return found;
}

TEST(Dock, StartMenuIconOpensTheShellsStartMenuAndShowsTheStartPicture) {
    ProgramDir dir("dock-start");
    WriteIni(dir);
    DockDocument start;
    start.rect = KapRect{400, 300, 244, 100};
    start.icons = {ShortcutIcon(dir, "Start Menu", "NO_SUCH_PICTURE.PNG", "NULL", "Start")};
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(WaitIconCount(dock, 1));
    ASSERT_TRUE(WaitTaskbarShown());
    const RECT icon = WindowRectOf(Icons(dock)[0]);
    MouseMove(700, 100);
    Screenshot("dock-start-picture");
    int dark = 0;
    HDC screen = GetDC(nullptr);
    for (int y = icon.top; y < icon.bottom; y += 2)
        for (int x = icon.left; x < icon.right; x += 2)
            if (GetRValue(GetPixel(screen, x, y)) < 0xA0) ++dark;
    ReleaseDC(nullptr, screen);
    EXPECT_GT(dark, 40) << "a missing picture of a Start Menu icon falls back to the start button's";

    EXPECT_EQ(ShellMenu(GetCurrentProcessId()), nullptr);
    Click(Centre(icon));
    EXPECT_TRUE(WaitFor([&] { return ShellMenu(GetCurrentProcessId()) != nullptr; }, 5000))
        << "the shell's start menu opens";
    Screenshot("dock-start-menu");
    // The menu belongs to the task bar, which is not in the foreground: it is closed through it.
    PostMessageA(TaskbarWindow(), WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return ShellMenu(GetCurrentProcessId()) == nullptr; }, 5000));
    EXPECT_TRUE(app.Exit());
}

TEST(Dock, AutoHideFadesOutAndTheTriggerEdgeCallsItBack) {
    ProgramDir dir("dock-autohide");
    WriteIni(dir, "RemoteKAPAutoHide=1\r\nRemoteKAPFadeInOut=1\r\nRemoteKAPHideDelay=1\r\nRemoteKAPTrigger=Right\r\n");
    DockDocument start;
    start.rect = KapRect{300, 200, 244, 100};
    start.icons = {KapIcon(dir, "KAP_NOTE", "New Note")};
    WriteDock(dir, start);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    MouseMove(500, 600);
    HWND dock = WaitDock(app);
    ASSERT_NE(dock, nullptr) << "it fades in at start";
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dock); }, 6000)) << "the pointer is away: it fades out";

    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    MouseMove(screenW - 2, 300);
    EXPECT_FALSE(WaitFor([&] { return IsWindowVisible(dock) != FALSE; }, 800)) << "only the last column calls it";
    MouseMove(screenW - 1, 300);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(dock) != FALSE; }, 3000)) << "the right edge calls it back";
    const POINT inside = Centre(WindowRectOf(dock));
    MouseMove(inside.x, inside.y);
    Screenshot("dock-called");
    EXPECT_FALSE(WaitFor([&] { return !IsWindowVisible(dock); }, 2500)) << "it stays while the pointer is on it";
    MouseMove(500, 650);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dock); }, 6000)) << "and goes when it leaves";
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
