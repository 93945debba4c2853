#pragma once
// Which entries of a folder the photo album shows, and in what order: the files (never the
// sub-folders) whose extension is JPG, GIF, PNG or BMP in any letter case, in the order the file
// system lists them.
#include <string>
#include <vector>

namespace vimo {

// The folder with a trailing "\"; an empty folder stays empty.
std::string FolderWithBackslash(const std::string& folder);

// True when the text after the last "." of the name is JPG, GIF, PNG or BMP, whatever the case.
bool IsPictureFileName(const std::string& name);

struct FolderEntry {
    std::string name; // as listed, without the folder
    bool directory = false;
};

// The full paths (folder + name) of the pictures among the entries, in the entries' order. The
// folder must end with "\".
std::vector<std::string> PicturePaths(const std::string& folder, const std::vector<FolderEntry>& entries);

} // namespace vimo
