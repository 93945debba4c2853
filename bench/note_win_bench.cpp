// Notes of the running program: typing latency and memory per note.
//
// Typing latency: a key press (WM_KEYDOWN, WM_CHAR, WM_KEYUP) posted to the note's text field,
// timed until the note's pushed layer surface shows the change on the screen (the field's screen
// pixels are read in a tight loop; the cost of one read is printed as the resolution). The keys type
// words with blanks between them, as a user types, in lines of 24 keys: a short note is cleared
// after each, a long one gets Enter at the end of each, typed from the start of a line.
// Memory: private bytes and working set of the program with 0, 5, 10, 15 and 20 notes made with
// the tray's new-note command, and the growth per note.
// Run through scripts/bench.sh, which provides the Wine environment: note_win_bench.exe [keys]
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

namespace {

using namespace vimo;
using namespace vimo::e2e;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Ms() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_, start_;
};

class ProcessHandle {
public:
    explicit ProcessHandle(DWORD id) : handle_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id)) {}
    ~ProcessHandle() {
        if (handle_) CloseHandle(handle_);
    }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Under Wine the program is a Linux process: its anonymous resident memory (RssAnon) stands in for
// private bytes where Wine does not report them. Found by the unique scratch path of its executable.
double RssAnonMb(const std::string& exePath) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    double mb = -1;
    do {
        const std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream cmdline("Z:\\proc\\" + pid + "\\cmdline", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        if (text.find(exePath) == std::string::npos) continue;
        std::ifstream status("Z:\\proc\\" + pid + "\\status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("RssAnon:", 0) == 0) mb = std::stod(line.substr(line.find(':') + 1)) / 1024.0;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return mb;
}

struct Memory {
    double privateMb = 0, workingSetMb = 0, rssAnonMb = -1;
};

Memory MemoryOf(HANDLE process, const std::string& exePath) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    Memory memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters))) {
        memory.privateMb = static_cast<double>(counters.PrivateUsage) / (1024.0 * 1024.0);
        memory.workingSetMb = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
    }
    memory.rssAnonMb = RssAnonMb(exePath);
    return memory;
}

// The program has handled everything queued for it (bounded).
void Settle(HANDLE process) { WaitForInputIdle(process, 5000); }

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// Waits until an area of the screen reads the same twice in a row (bounded).
std::vector<DWORD> StillPixels(const RECT& area) {
    std::vector<DWORD> last;
    WaitFor(
        [&] {
            std::vector<DWORD> now = ScreenPixels(area);
            const bool still = now == last;
            last = std::move(now);
            return still;
        },
        3000, 50);
    return last;
}

// Text of about `bytes` bytes in short numbered lines.
std::string LongText(std::size_t bytes) {
    std::string text;
    for (int line = 1; text.size() < bytes; ++line)
        text += std::to_string(line) + ". the quick brown fox jumps over the lazy dog\r\n";
    return text;
}

// Keys typed into a note that holds `text` (an empty one is cleared every 24 keys).
void TypingLatency(const ProgramDir& dir, int keys, const std::string& text, const char* label) {
    KapHeader header{"20240101000030", false, "", false, "00000000000000"};
    DocumentWriter writer(header);
    writer.Int(300).Int(150).Int(220).Int(240).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK");
    writer.Line("").Line(text);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20240101000030.VIMONOTE", EncodeDocumentBase64(writer.Text()));

    VimoProcess app;
    if (!app.Start(dir) || !app.WaitController() || app.WaitKaps(1).size() != 1) {
        std::printf("typing latency: the program did not start\n");
        return;
    }
    ProcessHandle process(app.ProcessId());
    HWND note = app.Kaps()[0];
    HWND edit = ChildOfClass(note, "Edit");
    // A click gives the field the keyboard focus; the field draws typed text only while it has it.
    TypeInto(edit, "");
    MouseMove(1000, 740);
    const RECT area = WindowRectOf(edit);
    WaitFor(
        [&] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return GetGUIThreadInfo(GetWindowThreadProcessId(edit, nullptr), &info) && info.hwndFocus == edit;
        },
        3000);

    // Typing begins at the start of the clicked line.
    PostMessageA(edit, WM_KEYDOWN, VK_HOME, 1);
    PostMessageA(edit, WM_KEYUP, VK_HOME, 0xC0000001);
    Settle(process.Get());

    Stopwatch readClock;
    for (int i = 0; i < 20; ++i) ScreenPixels(area);
    const double readMs = readClock.Ms() / 20;

    std::vector<double> latencies;
    int missed = 0;
    const int perLine = 24;
    for (int i = 0; i < keys; ++i) {
        if (text.empty() && i % perLine == 0) {
            SendMessageTimeoutA(note, WM_COMMAND, ID_NOTE_CLEAR, 0, SMTO_BLOCK, 5000, nullptr);
            Settle(process.Get());
        }
        const std::vector<DWORD> before = StillPixels(area);
        static const std::string typed = "the quick brown fox jumps over the lazy dog ";
        const char c = typed[static_cast<std::size_t>(i) % typed.size()];
        // In a long text, lines as wide as the field: Enter ends each, as in a short note's clearing.
        const bool lineEnd = !text.empty() && i % perLine == perLine - 1;
        const WORD vk = lineEnd ? static_cast<WORD>(VK_RETURN) : static_cast<WORD>(VkKeyScanA(c) & 0xFF);
        Stopwatch clock;
        // The program's message loop translates the key into its character, as for real typing.
        PostMessageA(edit, WM_KEYDOWN, vk, 1);
        PostMessageA(edit, WM_KEYUP, vk, 0xC0000001);
        double shown = -1;
        WaitFor(
            [&] {
                if (ScreenPixels(area) == before) return false;
                shown = clock.Ms();
                return true;
            },
            2000, 0);
        if (shown < 0)
            ++missed;
        else
            latencies.push_back(shown);
    }
    char shown[64] = {};
    SendMessageTimeoutA(edit, WM_GETTEXT, sizeof(shown), reinterpret_cast<LPARAM>(shown), SMTO_BLOCK, 5000, nullptr);
    std::printf("typing latency in %s (key posted to the note's field -> new pixels on screen), %zu keys:\n", label,
                latencies.size());
    std::printf("  median %.2f ms, p90 %.2f ms, max %.2f ms; screen read %.2f ms (resolution)%s\n",
                Percentile(latencies, 0.5), Percentile(latencies, 0.9), Percentile(latencies, 1.0), readMs,
                missed ? (", " + std::to_string(missed) + " keys never showed").c_str() : "");
    std::printf("  field begins \"%.40s\"\n", shown);
    app.Command(ID_APP_EXIT);
    app.WaitExit(15000);
}

void MemoryPerNote(const ProgramDir& dir) {
    VimoProcess app;
    if (!app.Start(dir) || !app.WaitController()) {
        std::printf("memory: the program did not start\n");
        return;
    }
    ProcessHandle process(app.ProcessId());
    Settle(process.Get());
    std::vector<Memory> steps = {MemoryOf(process.Get(), dir.Exe())};
    const int step = 5, total = 20;
    for (int notes = step; notes <= total; notes += step) {
        for (int i = 0; i < step; ++i) app.Command(ID_NEW_NOTE);
        if (app.WaitKaps(static_cast<std::size_t>(notes), 30000).size() != static_cast<std::size_t>(notes)) {
            std::printf("memory: %d notes did not show\n", notes);
            break;
        }
        Settle(process.Get());
        steps.push_back(MemoryOf(process.Get(), dir.Exe()));
    }
    std::printf("memory of the program by number of notes (private bytes / working set / Linux RssAnon):\n");
    for (std::size_t i = 0; i < steps.size(); ++i)
        std::printf("  %2zu notes: %7.2f MB / %7.2f MB / %7.2f MB\n", i * step, steps[i].privateMb,
                    steps[i].workingSetMb, steps[i].rssAnonMb);
    auto perNote = [&](std::size_t from, const char* label) {
        const double notes = static_cast<double>((steps.size() - 1 - from) * step);
        std::printf("  per added note %s: %.0f KB private, %.0f KB working set, %.0f KB RssAnon\n", label,
                    (steps.back().privateMb - steps[from].privateMb) * 1024.0 / notes,
                    (steps.back().workingSetMb - steps[from].workingSetMb) * 1024.0 / notes,
                    (steps.back().rssAnonMb - steps[from].rssAnonMb) * 1024.0 / notes);
    };
    if (steps.size() > 1) perNote(0, "(0 -> last)");
    if (steps.size() > 2) perNote(1, "(after the first 5)");
    if (steps.front().privateMb == 0) std::printf("  (Wine reports no private bytes for another process)\n");
    app.Command(ID_APP_EXIT);
    app.WaitExit(30000);
}

} // namespace

int main(int argc, char** argv) {
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 96;
    const std::string kapsOnly = "[VimoKap]\r\nLoadRemoteKAP=0\r\nLoadRemoteWIN=0\r\n";
    {
        ProgramDir dir("bench-note-typing");
        dir.Write("VimoKap.ini", kapsOnly);
        TypingLatency(dir, keys, "", "a short note");
    }
    {
        ProgramDir dir("bench-note-typing-long");
        dir.Write("VimoKap.ini", kapsOnly);
        TypingLatency(dir, keys, LongText(200 * 1024), "a note of 200 KB");
    }
    {
        ProgramDir dir("bench-note-memory");
        dir.Write("VimoKap.ini", kapsOnly);
        MemoryPerNote(dir);
    }
    return 0;
}
