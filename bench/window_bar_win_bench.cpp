// Processor time of VimoKap with and without the window bar: while another program's window is
// moved continuously for 10 s, and with 20 idle program windows open for 10 s.
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "support/linux_process_win.h"
#include "support/other_program_win.h"

namespace {

using namespace vimo::e2e;
using vimo::testsupport::OtherWindowProgram;

constexpr int kSeconds = 10;

enum class Load { MovingWindow, TwentyIdleWindows };

// Milliseconds of processor time VimoKap used over kSeconds under the load; -1 when not measurable.
long long Measure(bool withBar, Load load) {
    ProgramDir dir(std::string("bench-window-bar-") + (withBar ? "on" : "off"));
    dir.Write(
        "VimoKap.ini",
        std::string("[VimoKap]\r\nLoadRemoteKAP=0\r\nRemoteWINPosX=760\r\nRemoteWINPosHeight=700\r\nLoadRemoteWIN=") +
            (withBar ? "1" : "0") + "\r\n");
    OtherWindowProgram other;
    std::vector<HWND> windows;
    const int count = load == Load::MovingWindow ? 1 : 20;
    for (int i = 0; i < count; ++i) windows.push_back(other.MakeWindow(0, 20 + 15 * i, 20 + 15 * i));

    VimoProcess app;
    if (!app.Start(dir) || !app.WaitController()) return -1;
    Sleep(3000); // start-up and the first pictures settle
    const std::string proc = vimo::testsupport::ProcFolderOf(dir.Exe());
    const long long before = vimo::testsupport::CpuMilliseconds(proc);
    const ULONGLONG end = GetTickCount64() + kSeconds * 1000;
    for (int step = 0; GetTickCount64() < end; ++step) {
        if (load == Load::MovingWindow) {
            // Moved from this program: the window hears of it from another thread.
            const int x = 100 + (step % 200);
            SetWindowPos(windows[0], nullptr, x, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageA(windows[0], WM_MOVE, 0, MAKELPARAM(x, 200));
        }
        Sleep(16);
    }
    const long long after = vimo::testsupport::CpuMilliseconds(proc);
    app.Command(ID_APP_EXIT);
    app.WaitExit(15000);
    return before < 0 || after < 0 ? -1 : after - before;
}

void Report(const char* what, Load load) {
    const long long on = Measure(true, load), off = Measure(false, load);
    std::printf("window bar, %s for %d s: VimoKap used %lld ms of processor time with the bar, %lld ms without\n", what,
                kSeconds, on, off);
}

} // namespace

int main() {
    Report("another program's window moved continuously", Load::MovingWindow);
    Report("20 idle program windows", Load::TwentyIdleWindows);
    return 0;
}
