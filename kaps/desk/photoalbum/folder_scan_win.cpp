#include "kaps/desk/photoalbum/folder_scan_win.h"

#include <windows.h>

#include "base/path_kind_win.h"
#include "kaps/desk/photoalbum/album_folder.h"

namespace vimo {

namespace {

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        entries.push_back(FolderEntry{found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

} // namespace

FolderScan ScanFolder(const std::string& folder) {
    FolderScan scan;
    if (folder.empty()) return scan;
    if (!IsFolder(folder)) {
        scan.state = FolderState::Missing;
        return scan;
    }
    scan.pictures = PicturePaths(folder, ListFolder(folder));
    scan.state = scan.pictures.empty() ? FolderState::NoPictures : FolderState::Pictures;
    return scan;
}

} // namespace vimo
