#pragma once
// Normalising the path of a file dropped on a kap: shortcuts are replaced by their targets and
// %NAME% references to environment variables are expanded.
#include <functional>
#include <string>

namespace vimo {

// True when the path contains ".LNK", ".Lnk" or ".lnk" anywhere.
bool LooksLikeShortcut(const std::string& path);

// One expansion step: the first %NAME% pair, when NAME is set and not empty, replaced everywhere.
bool ExpandFirstVariable(std::string& path, const std::function<std::string(const std::string&)>& lookup);

// Expands while a step replaces something, at most kMaxExpansions times (a value that names its own
// variable would otherwise never end).
constexpr int kMaxExpansions = 32;
std::string ExpandVariables(std::string path, const std::function<std::string(const std::string&)>& lookup);

// The whole normalisation; resolve gives a shortcut's target, or false when it cannot.
std::string NormalizeDroppedPath(const std::string& path,
                                 const std::function<bool(const std::string&, std::string&)>& resolve,
                                 const std::function<std::string(const std::string&)>& lookup);

} // namespace vimo
