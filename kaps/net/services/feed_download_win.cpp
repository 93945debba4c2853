#include "kaps/net/services/feed_download_win.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <vector>
#include <mutex>
#include <thread>

#include "base/whole_file_win.h"
#include "kaps/net/services/connectivity_win.h"

namespace vimo {

struct FeedDownload::Shared {
    std::atomic<int> status{static_cast<int>(DownloadStatus::Idle)};
    std::atomic<unsigned> newest{0}; // the ticket of the download whose result counts
    std::mutex file;                 // one replacement of the feed file at a time
};

namespace {

// Closes an internet handle.
struct InternetHandle {
    HINTERNET h = nullptr;
    explicit InternetHandle(HINTERNET handle) : h(handle) {}
    ~InternetHandle() {
        if (h) InternetCloseHandle(h);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
};

bool IsWebAddress(const std::string& url) {
    const auto begins = [&](const char* scheme) { return _strnicmp(url.c_str(), scheme, std::strlen(scheme)) == 0; };
    return begins("http://") || begins("https://");
}

// How long a web download may wait for the server and take in all.
struct FetchLimits {
    DWORD connectMs;
    DWORD receiveMs;
    DWORD totalMs;
};
constexpr FetchLimits kWorkerLimits{15000, 30000, 120000};
constexpr FetchLimits kForegroundLimits{5000, 10000, 15000};

// A web address: the answer must be no HTTP error, must keep coming (a server silent for the
// receive time fails it), must end within kMaxDownloadBytes and within the total time (counted
// between reads, so a read may add the receive time once more).
bool FetchWeb(const std::string& url, const std::string& file, const FetchLimits& limits) {
    const ULONGLONG start = GetTickCount64();
    InternetHandle session(InternetOpenA("VimoKap", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.h) return false;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT}) {
        DWORD ms = limits.connectMs;
        InternetSetOptionA(session.h, option, &ms, sizeof(ms));
    }
    DWORD receiveMs = limits.receiveMs;
    InternetSetOptionA(session.h, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof(receiveMs));
    InternetHandle request(InternetOpenUrlA(session.h, url.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI,
                                            0));
    if (!request.h) return false;
    DWORD status = 0, size = sizeof(status);
    if (!HttpQueryInfoA(request.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
        status >= 400)
        return false;
    FileHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.Valid()) return false;
    std::vector<char> buffer(64 * 1024);
    unsigned long long total = 0;
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.h, buffer.data(), static_cast<DWORD>(buffer.size()), &read)) return false;
        if (read == 0) return true;
        total += read;
        if (total > kMaxDownloadBytes || GetTickCount64() - start > limits.totalMs) return false;
        DWORD written = 0;
        if (!WriteFile(out.Get(), buffer.data(), read, &written, nullptr) || written != read) return false;
    }
}

// Any other address (a file path, a file: address) through the URL moniker service.
bool FetchOther(const std::string& url, const std::string& file) {
    const HRESULT com = CoInitialize(nullptr);
    const HRESULT result = URLDownloadToFileA(nullptr, url.c_str(), file.c_str(), 0, nullptr);
    if (SUCCEEDED(com)) CoUninitialize();
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return SUCCEEDED(result) && GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data) &&
           data.nFileSizeHigh == 0 && data.nFileSizeLow <= kMaxDownloadBytes;
}

// Downloads url into file; true for a complete answer that is not an HTTP error.
bool Fetch(const std::string& url, const std::string& file, const FetchLimits& limits) {
    return IsWebAddress(url) ? FetchWeb(url, file, limits) : FetchOther(url, file);
}

// Called with the shared mutex held, so a forced update cannot come between the test and the store.
void Settle(FeedDownload::Shared& shared, unsigned ticket, DownloadStatus status) {
    if (shared.newest.load() == ticket) shared.status.store(static_cast<int>(status));
}

void Work(std::shared_ptr<FeedDownload::Shared> shared, std::string url, std::string tempDir, std::string feedFile) {
    int idle = static_cast<int>(DownloadStatus::Idle);
    if (!shared->status.compare_exchange_strong(idle, static_cast<int>(DownloadStatus::Downloading))) return;
    const unsigned ticket = ++shared->newest;
    if (!TestConnectivity().connected) {
        std::lock_guard<std::mutex> lock(shared->file);
        Settle(*shared, ticket, DownloadStatus::Failed);
        return;
    }
    CreateDirectoryA(tempDir.c_str(), nullptr);
    const std::string scratch = feedFile + "." + std::to_string(GetCurrentThreadId()) + ".part";
    const bool fetched = Fetch(url, scratch, kWorkerLimits);
    {
        std::lock_guard<std::mutex> lock(shared->file);
        if (shared->newest.load() == ticket) {
            // A failed download leaves what an earlier one brought.
            const bool placed = fetched && MoveFileExA(scratch.c_str(), feedFile.c_str(),
                                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
            Settle(*shared, ticket, placed ? DownloadStatus::Downloaded : DownloadStatus::Failed);
        }
    }
    DeleteFileA(scratch.c_str());
}

} // namespace

bool DownloadNow(const std::string& url, const std::string& file) {
    // The download runs on a thread of its own so that the wait ends in time even where the
    // transport keeps waiting for a server that never answers; a download given up on finishes
    // into its scratch file, which it then removes.
    struct Outcome {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false, fetched = false, abandoned = false;
    };
    static std::atomic<unsigned> serial{0};
    auto outcome = std::make_shared<Outcome>();
    const std::string scratch = file + "." + std::to_string(++serial) + ".part";
    std::thread([outcome, url, scratch] {
        const bool fetched = Fetch(url, scratch, kForegroundLimits);
        std::lock_guard<std::mutex> lock(outcome->mutex);
        outcome->done = true;
        outcome->fetched = fetched;
        if (outcome->abandoned) DeleteFileA(scratch.c_str());
        outcome->ended.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(outcome->mutex);
    if (!outcome->ended.wait_for(lock, std::chrono::milliseconds(kForegroundLimits.totalMs),
                                 [&] { return outcome->done; })) {
        outcome->abandoned = true;
        return false;
    }
    const bool placed = outcome->fetched && MoveFileExA(scratch.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
    DeleteFileA(scratch.c_str());
    return placed;
}

FeedDownload::FeedDownload() : shared_(std::make_shared<Shared>()) {}

FeedDownload::~FeedDownload() = default;

DownloadStatus FeedDownload::Status() const { return static_cast<DownloadStatus>(shared_->status.load()); }

void FeedDownload::Shown() {
    int status = shared_->status.load();
    if (status == static_cast<int>(DownloadStatus::Downloaded) || status == static_cast<int>(DownloadStatus::Failed))
        shared_->status.compare_exchange_strong(status, static_cast<int>(DownloadStatus::Idle));
}

void FeedDownload::ForceIdle() {
    std::lock_guard<std::mutex> lock(shared_->file);
    ++shared_->newest; // a download still running no longer counts
    shared_->status.store(static_cast<int>(DownloadStatus::Idle));
}

void FeedDownload::Start(const std::string& url, const std::string& tempDir, const std::string& feedFile) {
    if (Status() != DownloadStatus::Idle) return;
    std::thread(Work, shared_, url, tempDir, feedFile).detach();
}

} // namespace vimo
