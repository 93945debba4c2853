// Start-up time (process start to controller window ready) and idle wake-ups of the running program.
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"

namespace {

using namespace vimo::e2e;

// Under Wine the program's threads are threads of a Linux process; its context switches count the
// times the program woke up. Finds that process by the unique scratch path of its executable.
long long ContextSwitches(const std::string& exePath) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    long long total = -1;
    do {
        const std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream cmdline("Z:\\proc\\" + pid + "\\cmdline", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        std::replace(text.begin(), text.end(), '\0', ' ');
        if (text.find(exePath) == std::string::npos) continue;
        total = 0;
        WIN32_FIND_DATAA task = {};
        const std::string tasks = "Z:\\proc\\" + pid + "\\task\\";
        HANDLE taskSearch = FindFirstFileA((tasks + "*").c_str(), &task);
        if (taskSearch == INVALID_HANDLE_VALUE) continue;
        do {
            std::ifstream status(tasks + task.cFileName + "\\status");
            std::string line;
            while (std::getline(status, line)) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                    total += std::stoll(line.substr(line.find(':') + 1));
            }
        } while (FindNextFileA(taskSearch, &task));
        FindClose(taskSearch);
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return total;
}

} // namespace

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
            const long long before = ContextSwitches(exe);
            const int seconds = 10;
            Sleep(seconds * 1000);
            const long long after = ContextSwitches(exe);
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
