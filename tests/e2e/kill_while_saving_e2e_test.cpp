// The program killed at random moments while it saves many changed kaps of mixed types: every
// document afterwards is the old or the new complete version, none missing, none added, and the
// settings file is whole. VIMO_KILL_ROUNDS (the number of kills) and VIMO_KILL_KAPS set the size of the
// run (the on-demand run of scripts/kill-while-saving.sh makes 1,000 kills among 100 kaps); VIMO_KILL_RUN, a
// number, gives a run a folder and a sequence of kill moments of its own, so that runs can go side by side.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"

namespace vimo::e2e {
namespace {

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && std::atoi(value) > 0 ? std::atoi(value) : fallback;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    lines.push_back(text.substr(at));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
}

// The document moved by (dx, dy): its window rectangle is lines 2 and 3.
std::string Moved(const std::string& plain, int dx, int dy) {
    std::vector<std::string> lines = Lines(plain);
    lines[1] = std::to_string(std::atoi(lines[1].c_str()) + dx);
    lines[2] = std::to_string(std::atoi(lines[2].c_str()) + dy);
    return Joined(lines);
}

// File name -> raw file text of every file in the documents folder.
std::map<std::string, std::string> Documents(const ProgramDir& dir) {
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(dir.File("NOTES\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = dir.Read(std::string("NOTES\\") + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

// Why a start showed no controller: how the program ended, or the texts of the windows it shows
// instead (a message box says what stopped it).
std::string StartReport(const VimoProcess& app) {
    if (!app.Running()) return "the program ended with " + std::to_string(app.ExitCode());
    std::string report = "the program runs without a controller; its windows say:";
    char text[256] = {};
    for (HWND hwnd : app.Windows())
        for (HWND w = hwnd; w; w = GetWindow(w, w == hwnd ? GW_CHILD : GW_HWNDNEXT))
            if (GetWindowTextA(w, text, sizeof(text)) > 0) report += std::string(" \"") + text + "\"";
    return report;
}

void Kill(const VimoProcess& app) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, app.ProcessId());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

TEST(KillWhileSaving, EveryDocumentIsTheOldOrTheNewVersionAndTheSettingsStayWhole) {
    const int kills = EnvInt("VIMO_KILL_ROUNDS", 50); // after a first round that lets the saving finish
    const std::size_t kapCount = static_cast<std::size_t>(EnvInt("VIMO_KILL_KAPS", 40));
    const int run = EnvInt("VIMO_KILL_RUN", 0);
    ProgramDir dir = KapsOnlyDir(run ? "kill-while-saving-" + std::to_string(run) : "kill-while-saving");

    // One kap of each kind with a document, made as a user does.
    const UINT kinds[] = {ID_NEW_NOTE,    ID_NEW_CALC, ID_NEW_CLOCK, ID_NEW_CALENDAR,
                          ID_NEW_ACCOUNT, ID_NEW_LINK, ID_NEW_GOOGLE};
    {
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir) && app.WaitController());
        std::vector<HWND> known;
        for (UINT id : kinds) {
            app.Command(id);
            HWND kap = app.WaitNewKap(known);
            ASSERT_NE(kap, nullptr) << id;
            known.push_back(kap);
        }
        ASSERT_TRUE(app.Exit());
    }
    const std::map<std::string, std::string> made = Documents(dir);
    ASSERT_EQ(made.size(), std::size(kinds));

    // Copies of them under new names and places fill the folder up to kapCount kaps.
    std::map<std::string, std::string> plain; // file name -> plain text on disk now
    std::size_t n = 0;
    while (plain.size() < kapCount) {
        for (const auto& [file, text] : made) {
            if (plain.size() == kapCount) break;
            const std::string name = std::to_string(20200101000000ULL + n);
            std::string copy = DecodeDocumentBase64(text);
            copy.replace(1, 14, name);
            copy = Moved(copy, static_cast<int>(n % 12 * 40 + n / 84 * 7), static_cast<int>(n % 7) * 30);
            const std::string fileName = name + file.substr(file.find('.'));
            dir.Write("NOTES\\" + fileName, EncodeDocumentBase64(copy));
            plain[fileName] = copy;
            ++n;
        }
    }
    for (const auto& [file, text] : made) DeleteFileA(dir.File("NOTES\\" + file).c_str());
    // Each round moves every kap a step away from its first place or back to it, so that no kap
    // wanders (a save cut short keeps a step) towards a screen edge, whose pull would hold it.
    const std::map<std::string, std::string> first = plain;
    auto placeOf = [](const std::string& text) {
        const std::vector<std::string> lines = Lines(text);
        return std::pair<int, int>{std::atoi(lines[1].c_str()), std::atoi(lines[2].c_str())};
    };

    const std::string settings = dir.Read("VimoKap.ini");
    std::vector<std::string> settingsKeys = IniKeys(settings);
    std::sort(settingsKeys.begin(), settingsKeys.end());
    // Without this key the settings file is written anew at each Exit.
    const std::string dropped = "RemoteKAPTrigger=";
    ASSERT_NE(settings.find(dropped), std::string::npos);

    std::mt19937 rng(20261209u + static_cast<unsigned>(run));
    DWORD savingMs = 0; // from Exit to the last document written, found in the first round
    int killedMidway = 0;
    for (int round = 0; round <= kills && !HasFailure(); ++round) {
        std::string ini = settings;
        ini.erase(ini.find(dropped), ini.find('\n', ini.find(dropped)) - ini.find(dropped) + 1);
        dir.Write("VimoKap.ini", ini);

        VimoProcess app;
        const DWORD started = GetTickCount();
        ASSERT_TRUE(app.Start(dir) && app.WaitController(120000))
            << "round " << round << ", after " << GetTickCount() - started << " ms: " << StartReport(app);
        const std::vector<HWND> kaps = app.WaitKaps(kapCount, 120000);
        ASSERT_EQ(kaps.size(), kapCount) << "round " << round;
        std::map<std::string, std::pair<int, int>> steps;      // file -> this round's move
        std::map<std::pair<int, int>, std::string> documentAt; // place -> file
        for (const auto& [file, text] : plain) {
            const std::pair<int, int> at = placeOf(text), was = placeOf(first.at(file));
            steps[file] = {at.first > was.first ? -3 : 3, at.second > was.second ? -2 : 2};
            documentAt[at] = file;
        }
        // Every kap stands where its document puts it before it is moved, and stands at its new place
        // before Exit comes.
        auto places = [&] {
            std::multiset<std::pair<int, int>> at;
            for (HWND kap : kaps) at.insert({WindowRectOf(kap).left, WindowRectOf(kap).top});
            return at;
        };
        auto stored = [&](bool moved) {
            std::multiset<std::pair<int, int>> at;
            for (const auto& [file, text] : plain) {
                const std::pair<int, int> place = placeOf(text), step = moved ? steps[file] : std::pair<int, int>{};
                at.insert({place.first + step.first, place.second + step.second});
            }
            return at;
        };
        ASSERT_TRUE(WaitFor([&] { return places() == stored(false); }, 30000)) << "round " << round;
        for (HWND kap : kaps) {
            const RECT r = WindowRectOf(kap);
            const std::pair<int, int> step = steps[documentAt[{r.left, r.top}]];
            SetWindowPos(kap, nullptr, r.left + step.first, r.top + step.second, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ASSERT_TRUE(WaitFor([&] { return places() == stored(true); }, 10000)) << "round " << round;
        auto next = [&](const std::string& file) { return Moved(plain[file], steps[file].first, steps[file].second); };
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(kaps[0], WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
        const DWORD start = GetTickCount();
        app.Command(ID_APP_EXIT);
        if (round == 0) {
            // The first round lets the save finish: it tells how long writing the documents takes.
            ASSERT_TRUE(WaitFor(
                [&] {
                    const std::map<std::string, std::string> now = Documents(dir);
                    return std::all_of(plain.begin(), plain.end(), [&](const auto& doc) {
                        auto found = now.find(doc.first);
                        return found != now.end() && DecodeDocumentBase64(found->second) == next(doc.first);
                    });
                },
                60000, 5))
                <<
                [&] {
                    std::string report;
                    for (const auto& [file, text] : Documents(dir))
                        if (DecodeDocumentBase64(text) != next(file))
                            report += file + ":\n" + DecodeDocumentBase64(text) + "\n-- expected\n" + next(file) + "\n";
                    return report;
                }();
            savingMs = GetTickCount() - start;
            ASSERT_TRUE(app.WaitExit(60000));
        } else {
            Sleep(std::uniform_int_distribution<DWORD>(0, savingMs)(rng));
            Kill(app);
        }

        const std::map<std::string, std::string> after = Documents(dir);
        std::size_t movedCount = 0;
        for (auto& [file, text] : plain) {
            auto found = after.find(file);
            ASSERT_NE(found, after.end()) << file << " missing after round " << round;
            const std::string now = DecodeDocumentBase64(found->second);
            const std::string moved = next(file);
            ASSERT_TRUE(now == text || now == moved) << file << " after round " << round << ":\n"
                                                     << now << "\n-- old:\n"
                                                     << text << "\n-- new:\n"
                                                     << moved;
            movedCount += now == moved;
            text = now;
        }
        for (const auto& [file, text] : after)
            EXPECT_TRUE(plain.count(file)) << "a file came into the documents folder: " << file;
        if (movedCount > 0 && movedCount < kapCount) ++killedMidway;

        std::vector<std::string> keys = IniKeys(dir.Read("VimoKap.ini"));
        std::sort(keys.begin(), keys.end());
        std::vector<std::string> without = settingsKeys;
        without.erase(std::find(without.begin(), without.end(), "RemoteKAPTrigger"));
        EXPECT_TRUE(keys == settingsKeys || keys == without) << "settings after round " << round << ":\n"
                                                             << dir.Read("VimoKap.ini");
        // A long run tells how far it has come, so that a run stopped early still says something.
        if (round > 0 && round % 100 == 0 && !HasFailure()) {
            std::printf("after %d kills: every document and the settings whole, %d kills in the middle of the saving\n",
                        round, killedMidway);
            std::fflush(stdout);
        }
    }
    // The kills must have found the program in the middle of its saving, or nothing was tried.
    if (kills > 4) {
        EXPECT_GT(killedMidway, 0);
    }
    std::printf("saving %zu kaps took %lu ms; %d of %d kills came in the middle of it\n", kapCount,
                static_cast<unsigned long>(savingMs), killedMidway, kills);
}

} // namespace
} // namespace vimo::e2e
