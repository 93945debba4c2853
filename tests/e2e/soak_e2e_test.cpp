// The program left running with its timers busy: thirty-eight kaps (clocks ticking, two feeds, the
// weather and the mail alert polling local servers every minute or five, a photo album's slide show,
// reminders ringing, the media remote's player, the calendars' day change, the kaps' save ticks), the
// dock fading in and out as the pointer calls it, the window bar following another program's window
// that keeps moving. Its memory, open files, threads and windows are sampled all along; after the
// first minute none of them may grow. VIMO_SOAK_MINUTES sets the length (scripts/soak.sh runs it
// long).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "e2e/news_document_win.h"
#include "kaps/desk/note/note_model.h"
#include "kaps/net/mail/mail_model.h"
#include "kaps/net/mail/password_protect_win.h"
#include "support/http_server_win.h"
#include "support/linux_process_win.h"
#include "support/loopback_server_win.h"
#include "support/other_program_win.h"
#include "support/weather_service_win.h"

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

void WriteDocument(const ProgramDir& dir, const KapHeader& header, const std::string& extension,
                   const std::function<void(DocumentWriter&)>& payload) {
    DocumentWriter writer(header);
    payload(writer);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\" + header.kapName + "." + extension, EncodeDocumentBase64(writer.Text()));
}

// A mailbox server that behaves: three messages at every check. On a loopback address of its own, so
// that the POP3 servers of tests running beside the soak keep theirs.
void ServePop3(SOCKET client, const std::atomic<bool>& stopping) {
    using testsupport::LoopbackServer;
    if (!LoopbackServer::SendAll(client, "+OK ready\r\n")) return;
    while (!stopping) {
        const std::string line = LoopbackServer::ReadLine(client);
        if (line.empty()) return;
        const std::string command = line.substr(0, 4);
        if (command == "QUIT") {
            LoopbackServer::SendAll(client, "+OK bye\r\n");
            return;
        }
        const char* answer = command == "STAT"   ? "+OK 3 900\r\n"
                             : command == "LIST" ? "+OK\r\n1 300\r\n2 300\r\n3 300\r\n.\r\n"
                             : command == "UIDL" ? "+OK\r\n1 a\r\n2 b\r\n3 c\r\n.\r\n"
                                                 : "+OK\r\n";
        if (!LoopbackServer::SendAll(client, answer)) return;
    }
}

// "YYYYMMDDhhmm00" of the local time some minutes from now.
std::string LocalStampIn(int minutes) {
    const std::time_t at = std::time(nullptr) + minutes * 60;
    std::tm local = {};
    localtime_s(&local, &at);
    char stamp[16];
    std::strftime(stamp, sizeof(stamp), "%Y%m%d%H%M00", &local);
    return stamp;
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

TEST(Soak, MemoryFilesThreadsWindowsAndDrawingObjectsStayFlatWhileEveryTimerRuns) {
    const char* minutesText = std::getenv("VIMO_SOAK_MINUTES");
    const double minutes = minutesText && std::atof(minutesText) > 0 ? std::atof(minutesText) : 2;
    const DWORD periodMs = static_cast<DWORD>(std::clamp(minutes * 60000 / 40, 5000.0, 60000.0));

    // A folder of this run's own: a soak may run beside another (the test command's and a long one).
    ProgramDir dir("soak-" + std::to_string(GetCurrentProcessId()));
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
    // The weather every minute, from the same server.
    server.Serve(testsupport::ForecastPath("FRXX0076"), 200,
                 testsupport::WeatherFeed("68", {"72", "65", "N/A", "58", "61"}));
    testsupport::PointWeatherDataAt(dir.Path(), server);
    KapHeader weather{"20261209000003", false, "", false, "F"};
    weather.typeLetters = "A";
    WriteDocument(dir, weather, "VIMOWEATHER",
                  [](DocumentWriter& w) { w.Int(600).Int(300).Int(332).Int(270).Int(60000).Line("FRXX0076"); });
    // The mail alert every minute.
    // The mail port is fixed; an address of this run's own lets soaks run side by side.
    const std::string popAddress = "127.0.3." + std::to_string(1 + GetCurrentProcessId() % 250);
    testsupport::LoopbackServer pop3(ServePop3, popAddress.c_str(), 110);
    ASSERT_TRUE(pop3.Running()) << "port 110 of " << popAddress << " is taken";
    WriteDocument(dir, KapHeader{"20261209000004", false, "", false, ""}, "VIMOMAIL", [&](DocumentWriter& w) {
        w.Int(700).Int(40).Int(200).Int(100);
        MailValues values;
        values.intervalMinutes = 1;
        values.accountName = "Soak";
        values.popServer = popAddress;
        values.login = "soak";
        WriteMailPayload(w, values, PasswordLine("secret"));
    });
    // A slide show through a folder of pictures, a new one every five seconds.
    const std::string pictures = dir.File("Pictures");
    CreateDirectoryA(pictures.c_str(), nullptr);
    for (const char* picture : {"32.png", "37.png", "46.png"})
        CopyFileA(dir.File(std::string("Skin\\Default\\VimoWeather\\") + picture).c_str(),
                  (pictures + "\\" + picture).c_str(), FALSE);
    WriteDocument(dir, KapHeader{"20261209000005", false, "", false, ""}, "VIMOPHOTOALBUM",
                  [&](DocumentWriter& w) { w.Int(40).Int(420).Int(220).Int(220).Int(5).Int(100).Line(pictures); });
    // Reminders that ring one after another in the first minutes; each is stopped with a click once
    // it has been seen ringing, as a user does.
    constexpr int kReminderY = 560;
    for (int i = 1; i <= 3; ++i)
        WriteDocument(dir, KapHeader{"2026120900001" + std::to_string(i), false, "", false, LocalStampIn(i + 1)},
                      "VIMONOTE", [&](DocumentWriter& w) {
                          w.Int(100 + 60 * i).Int(kReminderY).Int(220).Int(240);
                          NoteValues values;
                          values.text = "reminder " + std::to_string(i);
                          WriteNotePayload(w, values);
                      });
    constexpr std::size_t kDocumentKaps = 8;
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
    ASSERT_EQ(app.WaitKaps(kDocumentKaps, 30000).size(), kDocumentKaps);
    std::vector<HWND> kaps = app.Kaps();
    std::vector<HWND> reminders;
    for (HWND kap : kaps)
        if (WindowRectOf(kap).top == kReminderY) reminders.push_back(kap);
    ASSERT_EQ(reminders.size(), 3u);
    std::map<HWND, int> clicks;
    for (std::size_t i = 0; kaps.size() < 30 + kDocumentKaps; ++i) {
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
                                     {"windows", "", 2, {}},
                                     {"GDI objects (own count)", "", 8, {}},
                                     {"GDI+ objects (own count)", "", 8, {}}};
    // Wine reports no object counts of a process: the program keeps its own.
    const UINT liveObjects = RegisterWindowMessageA(kLiveObjectsMessageName);
    auto liveCount = [&](WPARAM kind) {
        DWORD_PTR count = 0;
        SendMessageTimeoutA(app.Controller(), liveObjects, kind, 0, SMTO_ABORTIFHUNG, 10000, &count);
        return static_cast<double>(count);
    };
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(minutes * 60000);
    const ULONGLONG warmUpEnd = GetTickCount64() + std::min<ULONGLONG>(60000, static_cast<ULONGLONG>(minutes * 20000));
    for (int step = 0; GetTickCount64() < end; ++step) {
        // Another program's window moves; every other step the pointer calls the dock and leaves it.
        SetWindowPos(moving, nullptr, 200 + (step % 5) * 40, 200 + (step % 3) * 30, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        MouseMove(step % 2 ? screenW - 1 : 400, 300 + step % 7);
        // A ringing reminder circles near the middle of the screen: a click there stops it, and it
        // goes back home.
        for (HWND& reminder : reminders) {
            const RECT r = WindowRectOf(reminder);
            const int dx = r.left - (screenW - (r.right - r.left)) / 2;
            const int dy = r.top - (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
            if (dx * dx + dy * dy <= 62 * 62) {
                ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                ++clicks[reminder];
            } else if (r.top == kReminderY && clicks[reminder] > 0) {
                reminder = nullptr; // rung, stopped and home again
            }
        }
        reminders.erase(std::remove(reminders.begin(), reminders.end(), nullptr), reminders.end());
        Sleep(periodMs);
        ASSERT_TRUE(app.Running()) << "the program ended after " << step << " periods";
        if (GetTickCount64() < warmUpEnd) continue;
        measures[0].samples.push_back(static_cast<double>(testsupport::StatusValue(proc, "RssAnon")));
        measures[1].samples.push_back(static_cast<double>(testsupport::OpenFileCount(proc)));
        measures[2].samples.push_back(static_cast<double>(testsupport::StatusValue(proc, "Threads")));
        measures[3].samples.push_back(static_cast<double>(WindowCount(app)));
        measures[4].samples.push_back(liveCount(0));
        measures[5].samples.push_back(liveCount(1));
        // Each sample is printed as it is taken: a long run stopped early still tells what it showed.
        std::printf("soak: sample %zu:", measures[0].samples.size());
        for (const Measure& m : measures) std::printf(" %.0f", m.samples.back());
        std::printf("\n");
        std::fflush(stdout);
    }
    Screenshot("soak");
    std::printf("soak: reminders rung and stopped with a click: %zu of 3\n", 3 - reminders.size());
    if (minutes >= 5) {
        EXPECT_TRUE(reminders.empty()) << "every reminder rang in the first minutes";
    }
    ASSERT_GE(measures[0].samples.size(), 4u);
    EXPECT_GT(measures[4].samples.front(), 0) << "the program counts its GDI objects";
    EXPECT_GT(measures[5].samples.front(), 0) << "the program counts its GDI+ objects";

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
