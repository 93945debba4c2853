#pragma once
// Finding skin images whose names were upper-cased when the skin was read.
#include <string>

namespace vimo {

// The path of the existing file or folder whose components match those of path with ASCII letter
// case ignored. Both '\' and '/' separate components. Components that exist as written are kept;
// where several entries of a folder match, the first in byte order is taken. Returns path
// unchanged when some component matches nothing.
std::string ResolveFileCase(const std::string& path);

} // namespace vimo
