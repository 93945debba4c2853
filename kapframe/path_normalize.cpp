#include "kapframe/path_normalize.h"

#include <initializer_list>

namespace vimo {

bool LooksLikeShortcut(const std::string& path) {
    for (const char* ext : {".LNK", ".Lnk", ".lnk"})
        if (path.find(ext) != std::string::npos) return true;
    return false;
}

bool ExpandFirstVariable(std::string& path, const std::function<std::string(const std::string&)>& lookup) {
    const std::size_t open = path.find('%');
    if (open == std::string::npos || open + 1 >= path.size()) return false;
    const std::size_t close = path.find('%', open + 1);
    if (close == std::string::npos) return false;
    const std::string name = path.substr(open + 1, close - open - 1);
    const std::string value = lookup(name);
    if (value.empty()) return false;
    const std::string reference = "%" + name + "%";
    std::string result;
    std::size_t at = 0;
    for (std::size_t found; (found = path.find(reference, at)) != std::string::npos; at = found + reference.size())
        result += path.substr(at, found - at) + value;
    result += path.substr(at);
    path = result;
    return true;
}

std::string ExpandVariables(std::string path, const std::function<std::string(const std::string&)>& lookup) {
    for (int step = 0; step < kMaxExpansions && ExpandFirstVariable(path, lookup); ++step) {}
    return path;
}

std::string NormalizeDroppedPath(const std::string& path,
                                 const std::function<bool(const std::string&, std::string&)>& resolve,
                                 const std::function<std::string(const std::string&)>& lookup) {
    std::string result = path;
    if (LooksLikeShortcut(path)) {
        std::string target;
        if (resolve(path, target)) result = target;
    }
    return ExpandVariables(result, lookup);
}

} // namespace vimo
