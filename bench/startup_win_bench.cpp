// Start-up time (process start to controller window ready) and idle wake-ups of the running program.
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "support/linux_process_win.h"

using namespace vimo::e2e;
using vimo::testsupport::ContextSwitches;
using vimo::testsupport::ProcFolderOf;

int main() {
    ProgramDir dir("bench-startup");
    std::vector<double> startup;
    for (int run = 0; run < 5; ++run) {
        VimoProcess app;
        LARGE_INTEGER frequency, start, ready;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        if (!app.Start(dir) || !app.WaitController()) {
            std::printf("start-up failed\n");
            return 1;
        }
        QueryPerformanceCounter(&ready);
        startup.push_back(1000.0 * static_cast<double>(ready.QuadPart - start.QuadPart) / frequency.QuadPart);
        if (run == 4) {
            // Wine shows the Windows path of the executable as the process's command line.
            const std::string exe = dir.Exe();
            Sleep(2000); // let start-up work settle before counting idle wake-ups
            const std::string proc = ProcFolderOf(exe);
            const long long before = ContextSwitches(proc);
            const int seconds = 10;
            Sleep(seconds * 1000);
            const long long after = ContextSwitches(proc);
            if (before >= 0 && after >= 0)
                std::printf("idle wake-ups: %.1f per second (context switches of the program's threads over %d s)\n",
                            static_cast<double>(after - before) / seconds, seconds);
            else
                std::printf("idle wake-ups: not measurable here\n");
        }
        app.Command(ID_APP_EXIT);
        app.WaitExit(15000);
    }
    std::sort(startup.begin(), startup.end());
    std::printf("start-up to controller ready: median %.0f ms, min %.0f ms, max %.0f ms (5 runs)\n", startup[2],
                startup.front(), startup.back());
    return 0;
}
