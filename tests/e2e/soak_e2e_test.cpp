// The program left running with its timers busy: thirty kaps (clocks ticking, two feeds polling a
// local server, the media remote's player, the calendars' day change, the kaps' save ticks), the dock
// fading in and out as the pointer calls it, the window bar following another program's window
// that keeps moving. Its memory, open files, threads and windows are sampled all along; after the
// first minute none of them may grow. VIMO_SOAK_MINUTES sets the length (scripts/soak.sh runs it
// long).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "e2e/news_document_win.h"
#include "support/http_server_win.h"
#include "support/linux_process_win.h"
#include "support/other_program_win.h"

namespace vimo::e2e {
namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long long*>(count);
    return TRUE;
}

// Every window of the process, top-level and child.
long long WindowCount(const VimoProcess& app) {
    long long count = 0;
    for (HWND window : app.Windows()) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

struct Measure {
    const char* name;
    const char* unit;
    double allowed; // growth over the measured span that counts as noise
    std::vector<double> samples;
};

// Least-squares growth over the whole span of the samples.
double FittedGrowth(const std::vector<double>& y) {
    const double n = static_cast<double>(y.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double x = static_cast<double>(i);
        sx += x;
        sy += y[i];
        sxx += x * x;
        sxy += x * y[i];
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return slope * (n - 1);
}

TEST(Soak, MemoryFilesThreadsAndWindowsStayFlatWhileEveryTimerRuns) {
    const char* minutesText = std::getenv("VIMO_SOAK_MINUTES");
    const double minutes = minutesText && std::atof(minutesText) > 0 ? std::atof(minutesText) : 2;
    const DWORD periodMs = static_cast<DWORD>(std::clamp(minutes * 60000 / 40, 5000.0, 60000.0));

    ProgramDir dir("soak");
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=1\r\nLoadRemoteWIN=1\r\nRemoteKAPAutoHide=1\r\n"
                             "RemoteKAPFadeInOut=1\r\nRemoteKAPHideDelay=1\r\nRemoteKAPTrigger=Right\r\n");
    // Two feeds polled from a local server at the shortest interval.
    testsupport::HttpServer server;
    server.Serve("/feed.xml", 200,
                 "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Soak</title>"
                 "<item><title>One</title><description>The first item.</description></item>"
                 "<item><title>Two</title></item></channel></rss>");
    WriteNews(dir, "20261209000001", server.Url("/feed.xml"), 500, kNewsInterval5Min);
    WriteNews(dir, "20261209000002", server.Url("/feed.xml"), 560, kNewsInterval5Min);
    testsupport::OtherWindowProgram other;
    HWND moving = other.MakeWindow(0, 200, 200);
    ASSERT_NE(moving, nullptr);

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir) && app.WaitController());
    // The trash and the media remote are one of a kind; the others come several times.
    const UINT kinds[] = {ID_NEW_CLOCK,   ID_NEW_NOTE, ID_NEW_CALC,   ID_NEW_CALENDAR,
                          ID_NEW_ACCOUNT, ID_NEW_LINK, ID_NEW_GOOGLE, ID_NEW_PHOTOALBUM};
    auto feedsShown = [&] {
        const std::vector<HWND> all = app.Kaps();
        return std::count_if(all.begin(), all.end(), [](HWND kap) { return WindowTextOf(kap) == "Soak"; }) == 2;
    };
    ASSERT_TRUE(WaitFor(feedsShown, 30000)) << "the two feeds are read";
    std::vector<HWND> kaps = app.Kaps();
    for (std::size_t i = 0; kaps.size() < 32; ++i) {
        const UINT kind = i == 0 ? ID_NEW_TRASH : i == 1 ? ID_NEW_REMOTEWMP : kinds[i % std::size(kinds)];
        app.Command(kind);
        HWND kap = app.WaitNewKap(kaps);
        ASSERT_NE(kap, nullptr) << "kap " << kaps.size() << " of command " << kind;
        kaps.push_back(kap);
    }
    const std::string proc = testsupport::ProcFolderOf(dir.Exe());
    ASSERT_FALSE(proc.empty());

    std::vector<Measure> measures = {{"private memory (RssAnon)", "kB", 1536, {}},
                                     {"open files", "", 3, {}},
                                     {"threads", "", 2, {}},
                                     {"windows", "", 2, {}}};
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(minutes * 60000);
    const ULONGLONG warmUpEnd = GetTickCount64() + std::min<ULONGLONG>(60000, static_cast<ULONGLONG>(minutes * 20000));
    for (int step = 0; GetTickCount64() < end; ++step) {
        // Another program's window moves; every other step the pointer calls the dock and leaves it.
        SetWindowPos(moving, nullptr, 200 + (step % 5) * 40, 200 + (step % 3) * 30, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        MouseMove(step % 2 ? screenW - 1 : 400, 300 + step % 7);
        Sleep(periodMs);
        ASSERT_TRUE(app.Running()) << "the program ended after " << step << " periods";
        if (GetTickCount64() < warmUpEnd) continue;
        measures[0].samples.push_back(static_cast<double>(testsupport::StatusValue(proc, "RssAnon")));
        measures[1].samples.push_back(static_cast<double>(testsupport::OpenFileCount(proc)));
        measures[2].samples.push_back(static_cast<double>(testsupport::StatusValue(proc, "Threads")));
        measures[3].samples.push_back(static_cast<double>(WindowCount(app)));
    }
    Screenshot("soak");
    ASSERT_GE(measures[0].samples.size(), 4u);

    std::printf("soak: %.1f minutes, %zu kaps, %zu samples after the first minute, every %lu s, process %s\n", minutes,
                kaps.size(), measures[0].samples.size(), static_cast<unsigned long>(periodMs / 1000), proc.c_str());
    for (const Measure& m : measures) {
        const double growth = FittedGrowth(m.samples);
        std::printf("soak: %-26s first %.0f %s, last %.0f %s, fitted growth %+.1f %s\n", m.name, m.samples.front(),
                    m.unit, m.samples.back(), m.unit, growth, m.unit);
        const double allowed = std::max(m.allowed, 0.02 * m.samples.front());
        EXPECT_LE(growth, allowed) << m.name << " grows";
    }
    EXPECT_TRUE(app.Exit(60000));
}

} // namespace
} // namespace vimo::e2e
