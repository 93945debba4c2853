#pragma once
// DirectoryWatcher: watches a directory tree from a worker thread. Each time the system signals a
// change, it compares a snapshot taken before with one taken after and reports the first difference
// (created, deleted, changed) to a callback on the worker thread.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "kaps/desk/trash/dir_snapshot.h"

namespace vimo {

class DirectoryWatcher {
public:
    // Called on the worker thread; a result other than 0 ends the watch.
    using Callback = int (*)(DirectoryChange code, const SnapshotEntry& entry, void* context);
    // How long the worker waits for a signal before it looks at the running flag, and how long it lets
    // a burst of changes settle before it compares.
    static constexpr DWORD kWaitMs = 258;
    static constexpr DWORD kStopWaitMs = 2000;

    DirectoryWatcher();
    ~DirectoryWatcher();
    DirectoryWatcher(const DirectoryWatcher&) = delete;
    DirectoryWatcher& operator=(const DirectoryWatcher&) = delete;

    void SetDirectory(const std::string& directory);
    void SetCallback(Callback callback, void* context);
    // Starts the worker; false when it runs already, a worker is still there, there is no
    // directory, or the thread could not be made.
    bool Start();
    // Ends the watch: waits at most kStopWaitMs for the worker. A worker that is still busy then
    // finishes on its own and calls back no more; a call under way may end after Stop, so the context
    // must stay usable (the trash hands its window handle).
    void Stop();
    bool Running() const;

    // The snapshot of a directory tree as the worker takes it.
    static void TakeSnapshot(const std::string& directory, std::vector<SnapshotEntry>& snapshot);

private:
    struct Shared;
    static DWORD WINAPI Worker(LPVOID parameter);
    static bool CompareNow(Shared& shared, const std::string& directory, std::vector<SnapshotEntry>& before);

    std::shared_ptr<Shared> shared_;
    HANDLE thread_ = nullptr;
};

} // namespace vimo
