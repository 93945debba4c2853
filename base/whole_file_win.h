#pragma once
// Whole files in one call: an owned file handle, reading a file at once, and writing one so that a
// failure never leaves a half-written file in place of the old one.
#include <windows.h>

#include <cstddef>
#include <string>

namespace vimo {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    // False when closing failed (the last writes may not have reached the disk).
    bool Close();

private:
    HANDLE handle_;
};

// Creates or overwrites the file with data, flushed to the disk. False on any failure.
bool WriteWholeFile(const std::string& path, const std::string& data);
// The whole file; false when it cannot be opened or read, or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::string& data, std::size_t maxBytes = std::size_t{1} << 30);
// Moves a file over another in one step. Another program reading the target (an indexer, a backup,
// a virus scanner) holds it for a moment: the move is tried again for up to half a second before it
// counts as failed.
bool MoveOver(const std::string& from, const std::string& to);
// Writes data to path + ".new", then moves it over path in one step: at every instant either the
// old or the new complete file is there. False (the old file untouched) on any failure.
bool ReplaceWholeFile(const std::string& path, const std::string& data);

} // namespace vimo
