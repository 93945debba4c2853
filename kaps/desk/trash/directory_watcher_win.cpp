#include "kaps/desk/trash/directory_watcher_win.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace vimo {

// What the owner and the worker share; a worker the owner stopped waiting for keeps it alive.
struct DirectoryWatcher::Shared {
    std::atomic<bool> running{false};
    HANDLE change = INVALID_HANDLE_VALUE; // the worker's, from Start on
    std::vector<SnapshotEntry> first;     // the tree as Start found it
    std::mutex mutex;                     // guards the callback and the directory
    Callback callback = nullptr;
    void* context = nullptr;
    std::string directory;
};

namespace {

constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
                           FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;

void ReportFailure(const char* call) {
    const DWORD error = GetLastError();
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0, nullptr);
    const std::string message = std::string(call) + " Error N" + std::to_string(error) + "\n" + (text ? text : "");
    if (text) LocalFree(text);
    MessageBoxA(nullptr, message.c_str(), "VimoKap", MB_OK | MB_ICONSTOP);
}

std::uint64_t Join(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

} // namespace

DirectoryWatcher::DirectoryWatcher() : shared_(std::make_shared<Shared>()) {}

DirectoryWatcher::~DirectoryWatcher() { Stop(); }

void DirectoryWatcher::SetDirectory(const std::string& directory) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->directory = directory;
}

void DirectoryWatcher::SetCallback(Callback callback, void* context) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->callback = callback;
    shared_->context = context;
}

bool DirectoryWatcher::Running() const { return shared_->running; }

// The notification and the first snapshot are taken here, so every change after Start is seen.
bool DirectoryWatcher::Start() {
    if (shared_->running || thread_) return false;
    std::string directory;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        directory = shared_->directory;
    }
    if (directory.empty()) return false;
    shared_->change = FindFirstChangeNotificationA(directory.c_str(), TRUE, kWatched);
    if (shared_->change == INVALID_HANDLE_VALUE) {
        ReportFailure("FindFirstChangeNotification");
        return false;
    }
    shared_->first.clear();
    TakeSnapshot(directory, shared_->first);
    shared_->running = true;
    auto* handed = new std::shared_ptr<Shared>(shared_);
    thread_ = CreateThread(nullptr, 0, Worker, handed, 0, nullptr);
    if (!thread_) {
        delete handed;
        shared_->running = false;
        FindCloseChangeNotification(shared_->change);
        shared_->change = INVALID_HANDLE_VALUE;
        return false;
    }
    return true;
}

void DirectoryWatcher::Stop() {
    if (!thread_) return;
    shared_->running = false;
    if (WaitForSingleObject(thread_, kStopWaitMs) != WAIT_OBJECT_0) {
        // Still busy: it goes on with the old state, which calls no more (a call under way ends on
        // its own); the watcher takes a fresh one for its next Start.
        const std::shared_ptr<Shared> old = shared_;
        auto fresh = std::make_shared<Shared>();
        std::lock_guard<std::mutex> lock(old->mutex);
        fresh->directory = old->directory;
        fresh->callback = old->callback;
        fresh->context = old->context;
        old->callback = nullptr;
        shared_ = fresh;
    }
    CloseHandle(thread_);
    thread_ = nullptr;
}

void DirectoryWatcher::TakeSnapshot(const std::string& directory, std::vector<SnapshotEntry>& snapshot) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == ".." || !KeptInSnapshot(name, found.dwFileAttributes)) continue;
        snapshot.push_back(
            SnapshotEntry{directory, name, found.dwFileAttributes, Join(found.nFileSizeHigh, found.nFileSizeLow),
                          Join(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime)});
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) TakeSnapshot(directory + "\\" + name, snapshot);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Takes the snapshot after, reports its first difference from the one before, and keeps it as the
// next one before. False when the callback asked to end the watch.
bool DirectoryWatcher::CompareNow(Shared& shared, const std::string& directory, std::vector<SnapshotEntry>& before) {
    std::vector<SnapshotEntry> after;
    TakeSnapshot(directory, after);
    SnapshotEntry entry;
    const DirectoryChange code = CompareSnapshots(before, after, entry);
    before.swap(after);
    if (code == DirectoryChange::None) return true;
    Callback callback = nullptr;
    void* context = nullptr;
    {
        std::lock_guard<std::mutex> lock(shared.mutex);
        callback = shared.callback;
        context = shared.context;
    }
    return !callback || callback(code, entry, context) == 0;
}

DWORD WINAPI DirectoryWatcher::Worker(LPVOID parameter) {
    const std::shared_ptr<Shared> shared = *static_cast<std::shared_ptr<Shared>*>(parameter);
    delete static_cast<std::shared_ptr<Shared>*>(parameter);
    std::string directory;
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        directory = shared->directory;
    }
    HANDLE change = shared->change;
    // The snapshot after one change is the snapshot before the next, and a burst settles before the
    // snapshot is taken.
    std::vector<SnapshotEntry> before;
    before.swap(shared->first);
    while (shared->running) {
        DWORD waited = WAIT_TIMEOUT;
        while (shared->running && (waited = WaitForSingleObject(change, kWaitMs)) == WAIT_TIMEOUT) {}
        if (!shared->running || waited != WAIT_OBJECT_0) break;
        Sleep(kWaitMs);
        if (!CompareNow(*shared, directory, before)) break;
        if (!FindNextChangeNotification(change)) {
            ReportFailure("FindNextChangeNotification");
            break;
        }
        // A change between the snapshot and the new arming is not signalled on every system: it is
        // looked for now, so the last change of a burst is never missed.
        if (!CompareNow(*shared, directory, before)) break;
    }
    FindCloseChangeNotification(change);
    return 0;
}

} // namespace vimo
