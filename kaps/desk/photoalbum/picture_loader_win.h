#pragma once
// Decodes the photo album's pictures on a worker thread, so that a large picture never holds up
// the kap's window: the kap asks for a picture and is told by a posted message when it is ready.
// Only the newest request counts: one made while another waits replaces it, and the result of a
// request that has been overtaken is thrown away, so a slow picture delays nothing but itself.
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "layer/gdiplus_raii_win.h"

namespace vimo {

class PictureLoader {
public:
    PictureLoader() = default;
    // Waits for a decode in progress to end.
    ~PictureLoader();
    PictureLoader(const PictureLoader&) = delete;
    PictureLoader& operator=(const PictureLoader&) = delete;

    // Asks for the picture at path, decoded to fit boundWidth x boundHeight. When it is decoded
    // (or has failed to decode), message is posted to window with the request's number as WPARAM.
    // Returns that number.
    WPARAM Request(HWND window, UINT message, const std::string& path, int boundWidth, int boundHeight);
    // The result of the request: the picture (empty when the file did not decode), or nothing when
    // the request has been overtaken or cancelled, or is not finished.
    std::optional<GdipBitmap> Take(WPARAM request);
    // Throws away the waiting request and the result of the one in progress.
    void Cancel();

private:
    struct Job {
        WPARAM id = 0;
        HWND window = nullptr;
        UINT message = 0;
        std::string path;
        int boundWidth = 0, boundHeight = 0;
    };
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    WPARAM latest_ = 0;
    std::optional<WPARAM> doneId_;
    GdipBitmap done_;
    bool stop_ = false;
    std::thread worker_; // started by the first request
};

} // namespace vimo
