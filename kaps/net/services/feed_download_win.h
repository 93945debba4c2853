#pragma once
// A kap's download of its feed file on a worker thread. The kap and its workers share a small state
// that lives as long as any of them, so a worker never touches a kap that is gone; the kap polls the
// status and sets it back to idle once it has shown the result.
//
// Each download goes to a scratch file of its own and takes the feed file's place in one step, so a
// kap never reads half a feed and two downloads of one feed file never interleave. After a forced
// update only the newest download's result counts. A web address is fetched over HTTP: an HTTP error
// (404, 500, ...), an answer larger than kMaxDownloadBytes and a server that stops answering are
// failed downloads. Any other address (a dropped file) goes through the URL moniker service.
#include <memory>
#include <string>

namespace vimo {

enum class DownloadStatus : int { Idle = 0, Downloading = 1, Downloaded = 2, Failed = 3 };

constexpr unsigned long kMaxDownloadBytes = 8ul << 20;

class FeedDownload {
public:
    FeedDownload();
    ~FeedDownload();
    FeedDownload(const FeedDownload&) = delete;
    FeedDownload& operator=(const FeedDownload&) = delete;

    DownloadStatus Status() const;
    // The result has been shown: the next download may start.
    void Shown();
    // Update now: whatever runs or waits to be shown, a new download may start, and the result of
    // one still running will not count.
    void ForceIdle();
    // Starts a worker that downloads url into feedFile (making tempDir when missing), unless a
    // download runs or its result waits to be shown. Returns at once.
    void Start(const std::string& url, const std::string& tempDir, const std::string& feedFile);

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};

// Downloads url into file while the calling thread waits, by the same rules as a worker but with
// shorter waits: a download that has not ended after 15 seconds has failed (the file is then left
// alone). True for a complete answer that is not an HTTP error.
bool DownloadNow(const std::string& url, const std::string& file);

} // namespace vimo
