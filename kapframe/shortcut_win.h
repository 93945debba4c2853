#pragma once
// Shell shortcuts: the target of a .lnk file, and the normalising of a dropped file's path.
#include <string>

namespace vimo {

// The target path of a shell shortcut file; false (target untouched) when any step fails.
bool ResolveShortcut(const std::string& shortcutPath, std::string& target);

// A dropped file's path as the kap reads it: a shortcut replaced by its target, %NAME% expanded.
std::string NormalizeDroppedFile(const std::string& path);

} // namespace vimo
