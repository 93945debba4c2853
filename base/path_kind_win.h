#pragma once
// What a path names on disk, asked without opening it. An empty path names nothing.
#include <string>

namespace vimo {

bool PathExists(const std::string& path); // a file or a folder
bool IsFile(const std::string& path);     // a file, not a folder
bool IsFolder(const std::string& path);

} // namespace vimo
