#include "kaps/desk/photoalbum/album_folder.h"

#include <cctype>

namespace vimo {

std::string FolderWithBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + "\\";
}

bool IsPictureFileName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == "JPG" || extension == "GIF" || extension == "PNG" || extension == "BMP";
}

std::vector<std::string> PicturePaths(const std::string& folder, const std::vector<FolderEntry>& entries) {
    std::vector<std::string> paths;
    for (const FolderEntry& entry : entries)
        if (!entry.directory && IsPictureFileName(entry.name)) paths.push_back(folder + entry.name);
    return paths;
}

} // namespace vimo
