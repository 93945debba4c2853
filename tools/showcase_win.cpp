// The run command's showcase: starts VimoKap in a program directory and uses it as a new user
// would — kaps made from the tray menu, a note typed with real keys, a folder of pictures dropped
// on a photo album, every kap dragged to a place of its own — then leaves the program running for
// the screenshot.
//   showcase_win.exe <program directory> <pictures folder>
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"

namespace {

using namespace vimo::e2e;

// A kap made from the tray menu and dragged by a spot of its background to (x, y).
HWND MakeAndPlace(VimoProcess& app, UINT command, POINT grab, POINT to) {
    const std::vector<HWND> before = app.Kaps();
    app.Command(command);
    HWND kap = app.WaitNewKap(before);
    if (!kap) return nullptr;
    const RECT r = WindowRectOf(kap);
    Drag(r.left + grab.x, r.top + grab.y, to.x + grab.x, to.y + grab.y);
    return kap;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: showcase_win.exe <program directory> <pictures folder>\n");
        return 2;
    }
    const std::string dir = argv[1], pictures = argv[2];
    OleInitialize(nullptr);
    VimoProcess app;
    if (!app.Start(dir + "\\VimoKap.exe", dir) || !app.WaitController()) {
        std::fprintf(stderr, "showcase: VimoKap did not start\n");
        return 1;
    }
    int made = 0;
    if (HWND note = MakeAndPlace(app, ID_NEW_NOTE, POINT{110, 22}, POINT{270, 40})) {
        HWND edit = ChildOfClass(note, "Edit");
        TypeInto(edit, "Buy milk and bread\nCall Ann at five\nBook the train to Lyon");
        // The next kap takes the keyboard: the keys must have reached the note first.
        WaitFor(
            [&] { return WindowTextOf(edit) == "Buy milk and bread\r\nCall Ann at five\r\nBook the train to Lyon"; },
            10000);
        ++made;
    }
    made += MakeAndPlace(app, ID_NEW_CLOCK, POINT{125, 12}, POINT{505, 40}) != nullptr;
    made += MakeAndPlace(app, ID_NEW_CALENDAR, POINT{122, 26}, POINT{770, 40}) != nullptr;
    if (HWND calc = MakeAndPlace(app, ID_NEW_CALC, POINT{110, 14}, POINT{270, 300})) {
        const RECT r = WindowRectOf(calc);
        MouseMove(r.left + 110, r.top + 150);
        for (WORD key : {WORD(VK_NUMPAD1), WORD(VK_NUMPAD2), WORD(VK_MULTIPLY), WORD(VK_NUMPAD3), WORD(VK_RETURN)})
            PressKey(key);
        WaitFor([&] { return WindowTextOf(calc) == "36"; }, 10000);
        ++made;
    }
    if (HWND album = MakeAndPlace(app, ID_NEW_PHOTOALBUM, POINT{150, 10}, POINT{540, 300})) {
        const RECT r = WindowRectOf(album);
        DragFileOnto(pictures, 980, 740, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ++made;
    }
    // The window bar starts over the dock in a new install: the user drags it down by its panel,
    // then rests the pointer on the dock, which shows it fully; the screenshot waits for it to settle.
    Drag(100, 425, 100, 720);
    MouseMove(120, 292);
    const RECT dockArea = {0, 0, 260, 330};
    std::vector<DWORD> last;
    WaitFor(
        [&] {
            std::vector<DWORD> now = ScreenPixels(dockArea);
            const bool still = now == last;
            last = std::move(now);
            return still;
        },
        5000, 300);
    std::printf("showcase: %d kaps made\n", made);
    app.LeaveRunning();
    OleUninitialize();
    return made == 5 ? 0 : 1;
}
