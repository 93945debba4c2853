#pragma once
// Reads the photo album's folder: whether it exists, and its pictures in the order the file
// system lists them (sub-folders are not entered).
#include <string>
#include <vector>

#include "kaps/desk/photoalbum/slide_show.h"

namespace vimo {

struct FolderScan {
    FolderState state = FolderState::None;
    std::vector<std::string> pictures; // full paths
};

// folder: empty, or a path ending with "\".
FolderScan ScanFolder(const std::string& folder);

} // namespace vimo
