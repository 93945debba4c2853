#include "kaps/desk/photoalbum/picture_loader_win.h"

#include "kaps/desk/photoalbum/picture_file_win.h"

namespace vimo {

PictureLoader::~PictureLoader() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        waiting_.reset();
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

WPARAM PictureLoader::Request(HWND window, UINT message, const std::string& path, int boundWidth, int boundHeight) {
    WPARAM id = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        id = ++latest_;
        waiting_ = Job{id, window, message, path, boundWidth, boundHeight};
        doneId_.reset();
        done_.reset();
        if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
    }
    wake_.notify_all();
    return id;
}

std::optional<GdipBitmap> PictureLoader::Take(WPARAM request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!doneId_ || *doneId_ != request || request != latest_) return std::nullopt;
    doneId_.reset();
    return std::move(done_);
}

void PictureLoader::Cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++latest_;
    waiting_.reset();
    doneId_.reset();
    done_.reset();
}

void PictureLoader::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || waiting_.has_value(); });
        if (stop_) return;
        const Job job = *waiting_;
        waiting_.reset();
        lock.unlock();
        GdipBitmap picture = DecodePicture(job.path, job.boundWidth, job.boundHeight);
        lock.lock();
        if (job.id != latest_) continue; // overtaken: the picture is dropped here
        doneId_ = job.id;
        done_ = std::move(picture);
        PostMessageA(job.window, job.message, job.id, 0);
    }
}

} // namespace vimo
