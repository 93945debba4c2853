#include "kapframe/shortcut_win.h"

#include <windows.h>
#include <shlobj.h>

#include "base/com_ptr_win.h"
#include "kapframe/path_normalize.h"

namespace vimo {

bool ResolveShortcut(const std::string& shortcutPath, std::string& target) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.Receive()))))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Receive())))) return false;
    wchar_t wide[MAX_PATH] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, wide, MAX_PATH)) return false;
    if (FAILED(file->Load(wide, STGM_READ))) return false;
    if (FAILED(link->Resolve(nullptr, SLR_ANY_MATCH | SLR_NO_UI))) return false;
    char path[MAX_PATH] = {};
    WIN32_FIND_DATAA found = {};
    if (FAILED(link->GetPath(path, MAX_PATH, &found, SLGP_RAWPATH))) return false;
    char description[MAX_PATH] = {};
    if (FAILED(link->GetDescription(description, MAX_PATH))) return false;
    target = path;
    return true;
}

std::string NormalizeDroppedFile(const std::string& path) {
    auto lookup = [](const std::string& name) {
        char value[32767] = {};
        const DWORD n = GetEnvironmentVariableA(name.c_str(), value, sizeof(value));
        return n > 0 && n < sizeof(value) ? std::string(value, n) : std::string();
    };
    return NormalizeDroppedPath(path, ResolveShortcut, lookup);
}

} // namespace vimo
