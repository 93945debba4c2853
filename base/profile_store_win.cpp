#include "base/profile_store_win.h"

#include <windows.h>

#include <vector>

namespace vimo {

int WinProfileStore::ReadInt(const std::string& path, const std::string& section, const std::string& key,
                             int def) const {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, path.c_str()));
}

std::string WinProfileStore::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                        const std::string& def, std::size_t bufferSize) const {
    std::vector<char> buffer(bufferSize + 1, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                       static_cast<DWORD>(bufferSize), path.c_str());
    return std::string(buffer.data(), n);
}

bool WinProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

bool WinProfileStore::FileExists(const std::string& path) const {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace vimo
