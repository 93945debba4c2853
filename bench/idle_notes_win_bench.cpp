// A hundred notes left alone: start-up until all of them show (against an empty start), then a
// minute and a bit of idling (past the controller's 60-second save of every kap) with the processor
// time used, the wake-ups and the documents written meanwhile, and Exit until the process has ended
// (against Exit of the empty start).
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/resource.h"
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

// Documents of the folder written after the given time.
int WrittenSince(const ProgramDir& dir, const FILETIME& since) {
    int written = 0;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(dir.File("Notes\\*.VIMONOTE").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do written += CompareFileTime(&found.ftLastWriteTime, &since) > 0;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return written;
}

double StartMs(const ProgramDir& dir, std::size_t kaps, VimoProcess& app) {
    const double start = NowMs();
    if (!app.Start(dir) || !app.WaitController()) return -1;
    if (kaps > 0 && app.WaitKaps(kaps, 120000).size() != kaps) return -1;
    return NowMs() - start;
}

} // namespace

int main() {
    constexpr int kNotes = 100;
    ProgramDir empty = KapsOnlyDir("bench-idle-empty");
    ProgramDir full = KapsOnlyDir("bench-idle-notes");
    CreateDirectoryA(full.File("Notes").c_str(), nullptr);
    for (int i = 0; i < kNotes; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "2026120900%04d", i);
        DocumentWriter writer(KapHeader{name, false, "", false, "00000000000000"});
        writer.Int(20 + (i % 10) * 80).Int(20 + (i / 10) * 50).Int(220).Int(240);
        NoteValues values;
        values.text = "note " + std::to_string(i);
        WriteNotePayload(writer, values);
        full.Write(std::string("Notes\\") + name + ".VIMONOTE", EncodeDocumentBase64(writer.Text()));
    }
    double emptyMs = -1, emptyExitMs = -1;
    {
        VimoProcess app;
        emptyMs = StartMs(empty, 0, app);
        Sleep(2000); // settled, as the full one is after its idling
        const double exitStart = NowMs();
        if (app.Exit(60000)) emptyExitMs = NowMs() - exitStart;
    }
    VimoProcess app;
    const double fullMs = StartMs(full, kNotes, app);
    if (emptyMs < 0 || fullMs < 0) {
        std::printf("idle notes: the program did not start\n");
        return 1;
    }
    std::printf("start-up with %d notes until all show: %.0f ms; empty start %.0f ms (%.1fx)\n", kNotes, fullMs,
                emptyMs, fullMs / emptyMs);
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    FILETIME since = {};
    SystemTimeToFileTime(&now, &since);
    const std::string proc = vimo::testsupport::ProcFolderOf(full.Exe());
    const long long cpuBefore = vimo::testsupport::CpuMilliseconds(proc);
    const long long wakeBefore = vimo::testsupport::ContextSwitches(proc);
    constexpr int kSeconds = 65;
    Sleep(kSeconds * 1000); // idling is what is measured
    const long long cpu = vimo::testsupport::CpuMilliseconds(proc) - cpuBefore;
    const long long wakes = vimo::testsupport::ContextSwitches(proc) - wakeBefore;
    std::printf("idle %d s with %d notes: %.2f %% of one core, %.1f wake-ups per second, %d documents written\n",
                kSeconds, kNotes, cpuBefore < 0 ? -1.0 : 100.0 * static_cast<double>(cpu) / (kSeconds * 1000.0),
                wakeBefore < 0 ? -1.0 : static_cast<double>(wakes) / kSeconds, WrittenSince(full, since));
    const double exitStart = NowMs();
    const bool ended = app.Exit(60000);
    const double exitMs = NowMs() - exitStart;
    if (ended && emptyExitMs > 0)
        std::printf("Exit with %d notes until the process ended: %.0f ms; with none %.0f ms (%.2fx)\n", kNotes, exitMs,
                    emptyExitMs, exitMs / emptyExitMs);
    else
        std::printf("Exit with %d notes: the process did not end within 60 s\n", kNotes);
    return 0;
}
