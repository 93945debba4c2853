#include "base/profile_store_win.h"

#include <windows.h>

#include <vector>

#include "base/ini_text.h"
#include "base/path_kind_win.h"
#include "base/text_util.h"
#include "base/whole_file_win.h"

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

bool WinProfileStore::FileExists(const std::string& path) const { return IsFile(path); }

namespace {
bool IsUnicodeText(const std::string& text) {
    return text.rfind("\xff\xfe", 0) == 0 || text.rfind("\xfe\xff", 0) == 0 || text.rfind("\xef\xbb\xbf", 0) == 0;
}
} // namespace

bool BatchedProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                      const std::string& value) {
    auto found = files_.find(ToUpperAscii(path));
    if (found == files_.end()) {
        PendingFile file{path, {}, false};
        if (FileExists(path) && !ReadWholeFile(path, file.text)) return false;
        if (IsUnicodeText(file.text)) return WinProfileStore::WriteString(path, section, key, value);
        found = files_.emplace(ToUpperAscii(path), std::move(file)).first;
    }
    if (SetIniValue(found->second.text, section, key, value)) found->second.changed = true;
    return true;
}

bool BatchedProfileStore::Commit() {
    bool all = true;
    for (auto& [upper, file] : files_) {
        if (!file.changed) continue;
        if (ReplaceWholeFile(file.path, file.text))
            file.changed = false;
        else
            all = false;
    }
    return all;
}

} // namespace vimo
