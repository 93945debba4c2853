#include "base/whole_file_win.h"

#include <algorithm>

namespace vimo {

namespace {

constexpr DWORD kChunk = 1u << 20;

} // namespace

bool FileHandle::Close() {
    if (!Valid()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
}

bool WriteWholeFile(const std::string& path, const std::string& data) {
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    std::size_t written = 0;
    while (written < data.size()) {
        DWORD chunk = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - written, kChunk));
        if (!WriteFile(file.Get(), data.data() + written, want, &chunk, nullptr) || chunk == 0) return false;
        written += chunk;
    }
    return FlushFileBuffers(file.Get()) && file.Close();
}

bool ReadWholeFile(const std::string& path, std::string& data, std::size_t maxBytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return false;
    data.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t read = 0;
    while (read < data.size()) {
        DWORD chunk = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - read, kChunk));
        if (!ReadFile(file.Get(), &data[read], want, &chunk, nullptr)) return false;
        if (chunk == 0) break;
        read += chunk;
    }
    data.resize(read);
    return true;
}

bool MoveOver(const std::string& from, const std::string& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 20) return false;
        Sleep(25);
    }
}

bool ReplaceWholeFile(const std::string& path, const std::string& data) {
    const std::string scratch = path + ".new";
    if (!WriteWholeFile(scratch, data) || !MoveOver(scratch, path)) {
        DeleteFileA(scratch.c_str());
        return false;
    }
    return true;
}

} // namespace vimo
