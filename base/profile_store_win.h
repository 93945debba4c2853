#pragma once
// The program's INI access: the platform's private-profile functions.
#include <map>

#include "base/profile_store.h"

namespace vimo {

class WinProfileStore : public ProfileStore {
public:
    int ReadInt(const std::string& path, const std::string& section, const std::string& key, int def) const override;
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& def, std::size_t bufferSize) const override;
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool FileExists(const std::string& path) const override;
};

// Writes gathered in memory and put on disk by Commit, one whole file at a time, so that a file is
// at every instant either the old or the new complete one: the platform's own writes truncate the
// file and write it anew for every key. Reads see the files on disk, not the pending writes.
// A file in a Unicode form is left to the platform's writes.
class BatchedProfileStore : public WinProfileStore {
public:
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Writes every file with changed keys; false when any could not be written (it stays as it was).
    bool Commit();

private:
    struct PendingFile {
        std::string path, text;
        bool changed = false;
    };
    std::map<std::string, PendingFile> files_; // keyed by the upper-cased path
};

} // namespace vimo
