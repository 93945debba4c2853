// The directory change watcher on a real folder: what it reports for documents moved in, a burst of
// deletions, a rename and ignored names, a second Start, and a Stop while the worker is busy.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "kaps/desk/trash/directory_watcher_win.h"

namespace vimo {
namespace {

struct Reports {
    std::mutex mutex;
    std::vector<DirectoryChange> codes;
    std::atomic<DWORD> holdMs{0};
    static int Take(DirectoryChange code, const SnapshotEntry&, void* context) {
        auto* self = static_cast<Reports*>(context);
        if (const DWORD hold = self->holdMs) Sleep(hold); // a busy owner
        std::lock_guard<std::mutex> lock(self->mutex);
        self->codes.push_back(code);
        return 0;
    }
    std::vector<DirectoryChange> Codes() {
        std::lock_guard<std::mutex> lock(mutex);
        return codes;
    }
};

template <typename Pred> bool Within(DWORD ms, Pred pred) {
    const DWORD end = GetTickCount() + ms;
    while (!pred()) {
        if (GetTickCount() > end) return false;
        Sleep(20);
    }
    return true;
}

class DirectoryWatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-watch-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir_.c_str(), nullptr);
        CreateDirectoryA((dir_ + "\\Deleted").c_str(), nullptr);
        watcher_.SetDirectory(dir_ + "\\Deleted");
        watcher_.SetCallback(Reports::Take, &reports_);
    }
    void TearDown() override {
        watcher_.Stop();
        for (const char* name : {"a.VIMONOTE", "b.VIMONOTE", "c.VIMONOTE", "d.VIMONOTE", "~x.tmp"}) {
            DeleteFileA((dir_ + "\\" + name).c_str());
            DeleteFileA((dir_ + "\\Deleted\\" + name).c_str());
        }
        RemoveDirectoryA((dir_ + "\\Deleted").c_str());
        RemoveDirectoryA(dir_.c_str());
    }
    void Write(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "note", 4, &written, nullptr);
        CloseHandle(file);
    }
    // Waits until the reports have stopped coming for a while (the watcher compares ~0.3 s after a change).
    std::vector<DirectoryChange> Settled() {
        std::size_t seen = reports_.Codes().size();
        for (int quiet = 0; quiet < 8; ++quiet) {
            Sleep(100);
            const std::size_t now = reports_.Codes().size();
            if (now != seen) quiet = 0;
            seen = now;
        }
        return reports_.Codes();
    }
    std::string dir_;
    Reports reports_;
    DirectoryWatcher watcher_;
};

TEST_F(DirectoryWatcherTest, ReportsAMoveInABurstOfDeletionsAndARenameButNotIgnoredNames) {
    for (const char* name : {"a.VIMONOTE", "b.VIMONOTE", "c.VIMONOTE"}) Write(dir_ + "\\" + name);
    ASSERT_TRUE(watcher_.Start());
    EXPECT_FALSE(watcher_.Start()) << "a second Start makes no second worker";

    MoveFileA((dir_ + "\\a.VIMONOTE").c_str(), (dir_ + "\\Deleted\\a.VIMONOTE").c_str());
    ASSERT_TRUE(Within(5000, [&] { return !reports_.Codes().empty(); }));
    EXPECT_EQ(Settled(), std::vector<DirectoryChange>{DirectoryChange::Created});

    Write(dir_ + "\\Deleted\\~x.tmp");
    EXPECT_EQ(Settled().size(), 1u) << "an ignored name reports nothing";

    MoveFileA((dir_ + "\\Deleted\\a.VIMONOTE").c_str(), (dir_ + "\\Deleted\\d.VIMONOTE").c_str());
    ASSERT_TRUE(Within(5000, [&] { return reports_.Codes().size() == 2; }));
    EXPECT_EQ(Settled().back(), DirectoryChange::Changed) << "a rename";

    MoveFileA((dir_ + "\\b.VIMONOTE").c_str(), (dir_ + "\\Deleted\\b.VIMONOTE").c_str());
    MoveFileA((dir_ + "\\c.VIMONOTE").c_str(), (dir_ + "\\Deleted\\c.VIMONOTE").c_str());
    ASSERT_TRUE(Within(5000, [&] { return reports_.Codes().size() >= 3; }));
    const std::size_t before = Settled().size();
    for (const char* name : {"b.VIMONOTE", "c.VIMONOTE", "d.VIMONOTE"})
        DeleteFileA((dir_ + "\\Deleted\\" + name).c_str());
    ASSERT_TRUE(Within(5000, [&] { return reports_.Codes().size() > before; }));
    const std::vector<DirectoryChange> codes = Settled();
    EXPECT_EQ(codes.size(), before + 1) << "emptying three at once is one report";
    EXPECT_EQ(codes.back(), DirectoryChange::Deleted);
}

TEST_F(DirectoryWatcherTest, StopReturnsInTimeWhileTheOwnerIsBusy) {
    static Reports busy; // the call under way outlives the test
    busy.holdMs = 10000;
    watcher_.SetCallback(Reports::Take, &busy);
    ASSERT_TRUE(watcher_.Start());
    Write(dir_ + "\\Deleted\\a.VIMONOTE");
    Sleep(DirectoryWatcher::kWaitMs * 3); // the worker is now inside the callback
    const DWORD before = GetTickCount();
    watcher_.Stop();
    EXPECT_LT(GetTickCount() - before, 2600u);
    EXPECT_FALSE(watcher_.Running());
    EXPECT_TRUE(watcher_.Start()) << "a stopped watcher starts again";
    watcher_.Stop();
}

} // namespace
} // namespace vimo
