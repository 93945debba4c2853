// Notes with long texts: start-up with one note of 20 KB or 200 KB of text beside a small one (against
// the small one alone), and with four notes of 5 MB, each until every note shows and the program
// answers again (its texts laid out); then the processor time of a few idle seconds after that.
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock_win.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/note/note_model.h"
#include "support/linux_process_win.h"

using namespace vimo;
using namespace vimo::e2e;
using vimo::bench::NowMs;

namespace {

// Text of about `bytes` bytes in lines of words, as a long letter or a pasted log would be.
std::string LongText(std::size_t bytes) {
    static const char* const kWords[] = {"the", "quick", "brown", "fox",   "jumps", "over",      "a",   "lazy",
                                         "dog", "while", "seven", "notes", "wait",  "patiently", "for", "Monday"};
    std::string text;
    text.reserve(bytes + 128);
    unsigned word = 0;
    int line = 0;
    while (text.size() < bytes) {
        std::string row = std::to_string(++line) + ".";
        const std::size_t width = 40 + static_cast<std::size_t>((line * 37) % 50);
        while (row.size() < width) {
            row += ' ';
            row += kWords[(word = word * 1103515245u + 12345u) >> 28];
        }
        text += row + "\r\n";
    }
    return text;
}

void WriteNote(const ProgramDir& dir, int index, const std::string& text) {
    char name[16];
    std::snprintf(name, sizeof(name), "2026120901%04d", index);
    DocumentWriter writer(KapHeader{name, false, "", false, "00000000000000"});
    writer.Int(20 + index * 240).Int(40).Int(220).Int(240);
    NoteValues values;
    values.text = text;
    WriteNotePayload(writer, values);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write(std::string("Notes\\") + name + ".VIMONOTE", EncodeDocumentBase64(writer.Text()));
}

// Every kap has answered a message: what start-up queued for them is done.
bool Answering(const std::vector<HWND>& kaps, DWORD timeoutMs) {
    for (HWND kap : kaps) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(kap, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result)) return false;
    }
    return true;
}

// Start-up until `count` notes show and answer; -1 when that took longer than the limit.
double StartMs(const ProgramDir& dir, std::size_t count, VimoProcess& app, DWORD limitMs) {
    const double start = NowMs();
    if (!app.Start(dir) || !app.WaitController(limitMs)) return -1;
    const std::vector<HWND> kaps = app.WaitKaps(count, limitMs);
    if (kaps.size() != count || !Answering(kaps, limitMs)) return -1;
    return NowMs() - start;
}

void Report(const char* what, double ms, double baseMs, const char* base, DWORD limitMs) {
    if (ms < 0)
        std::printf("  %s: not shown within %lu s\n", what, limitMs / 1000);
    else
        std::printf("  %s: %.0f ms, %+.0f ms against %s\n", what, ms, ms - baseMs, base);
}

} // namespace

int main() {
    constexpr DWORD kLimitMs = 60000;
    double emptyMs = -1, smallMs = -1;
    {
        ProgramDir empty = KapsOnlyDir("bench-long-empty");
        VimoProcess app;
        emptyMs = StartMs(empty, 0, app, kLimitMs);
        app.Exit();
    }
    {
        ProgramDir small = KapsOnlyDir("bench-long-small");
        WriteNote(small, 0, "a short note");
        VimoProcess app;
        smallMs = StartMs(small, 1, app, kLimitMs);
        app.Exit();
    }
    std::printf("long notes: start-up until every note shows and answers; empty start %.0f ms, one small note %.0f "
                "ms\n",
                emptyMs, smallMs);
    for (const std::size_t kb : {20u, 200u}) {
        ProgramDir dir = KapsOnlyDir("bench-long-" + std::to_string(kb));
        WriteNote(dir, 0, "a short note");
        WriteNote(dir, 1, LongText(kb * 1024));
        VimoProcess app;
        const double ms = StartMs(dir, 2, app, kLimitMs);
        Report(("one note of " + std::to_string(kb) + " KB beside a small one").c_str(), ms, smallMs,
               "the small one alone", kLimitMs);
        app.Exit(ms < 0 ? 1000 : 15000);
    }
    {
        ProgramDir dir = KapsOnlyDir("bench-long-5mb");
        for (int i = 0; i < 4; ++i) WriteNote(dir, i, LongText(5u << 20));
        VimoProcess app;
        const double ms = StartMs(dir, 4, app, kLimitMs);
        Report("four notes of 5 MB", ms, emptyMs, "the empty start", kLimitMs);
        if (ms >= 0) {
            const std::string proc = vimo::testsupport::ProcFolderOf(dir.Exe());
            const long long before = vimo::testsupport::CpuMilliseconds(proc);
            constexpr int kIdleMs = 10000;
            Sleep(kIdleMs); // idling is what is measured
            const long long cpu = vimo::testsupport::CpuMilliseconds(proc) - before;
            std::printf("  then idle: %.2f %% of one core\n",
                        before < 0 ? -1.0 : 100.0 * static_cast<double>(cpu) / kIdleMs);
        }
        app.Exit(ms < 0 ? 1000 : 30000);
    }
    return 0;
}
