#pragma once
// The program's INI access: the platform's private-profile functions.
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

} // namespace vimo
