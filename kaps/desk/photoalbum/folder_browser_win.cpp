#include "kaps/desk/photoalbum/folder_browser_win.h"

#include <shlobj.h>

#include <memory>

namespace vimo {

namespace {

struct IdListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using IdList = std::unique_ptr<ITEMIDLIST, IdListFree>;

} // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const char* title) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    IdList picked(SHBrowseForFolderA(&info));
    if (!picked) return std::nullopt;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(picked.get(), path) || !path[0]) return std::nullopt;
    return std::string(path);
}

} // namespace vimo
