#include "support/open_log_win.h"

#include <windows.h>

#include <fstream>

#include "e2e/driver/vimo_driver.h"

namespace vimo::testsupport {

namespace {

// Under the classes root: this Wine looks for address schemes there only, not in the user's classes.
const std::string kClassKey = OpenLog::kScheme;

void SetValue(const std::string& key, const char* name, const std::string& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

} // namespace

OpenLog::OpenLog()
    : log_(e2e::WindowsPath(VIMO_SCRATCH_DIR) + "\\opened-" + std::to_string(GetCurrentProcessId()) + ".log") {
    DeleteFileA(log_.c_str());
    SetValue(kClassKey, nullptr, "URL:VimoKap test address");
    SetValue(kClassKey, "URL Protocol", "");
    SetValue(kClassKey + "\\shell\\open\\command", nullptr,
             "\"" + e2e::WindowsPath(VIMO_OPEN_LOGGER_EXE) + "\" \"" + log_ + "\" \"%1\"");
}

OpenLog::~OpenLog() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kClassKey.c_str());
    DeleteFileA(log_.c_str());
}

std::vector<std::string> OpenLog::Opened() const {
    std::ifstream log(log_, std::ios::binary);
    std::vector<std::string> opened;
    for (std::string line; std::getline(log, line);) opened.push_back(line);
    return opened;
}

} // namespace vimo::testsupport
