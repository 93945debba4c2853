#include "layer/skin/file_case.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "base/text_util.h"

namespace vimo {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits path into its root ("/", "C:\", "\\server\share\" or empty for a relative path) and its
// non-empty components.
void SplitPath(const std::string& path, std::string& root, std::vector<std::string>& parts) {
    std::size_t pos = 0;
#ifdef _WIN32
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\server\share: both names are taken as written.
        pos = 2;
        for (int names = 0; names < 2 && pos < path.size(); ++names) {
            std::size_t end = pos;
            while (end < path.size() && !IsSeparator(path[end])) ++end;
            root += (names == 0 ? "\\\\" : "\\") + path.substr(pos, end - pos);
            pos = end;
            while (pos < path.size() && IsSeparator(path[pos])) ++pos;
        }
        root += "\\";
    } else if (path.size() >= 2 && path[1] == ':') {
        root = path.substr(0, 2);
        pos = 2;
    }
#endif
    if (pos < path.size() && IsSeparator(path[pos])) {
        root += static_cast<char>(fs::path::preferred_separator);
        while (pos < path.size() && IsSeparator(path[pos])) ++pos;
    }
    while (pos < path.size()) {
        std::size_t end = pos;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        if (end > pos) parts.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The entry of folder whose name equals name ignoring ASCII case; empty when there is none.
std::string FindNoCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    std::string best;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (EqualsNoCase(candidate, name) && (best.empty() || candidate < best)) best = std::move(candidate);
    }
    return best;
}

} // namespace

std::string ResolveFileCase(const std::string& path) {
    std::string root;
    std::vector<std::string> parts;
    SplitPath(path, root, parts);
    if (parts.empty()) return path;

    fs::path current = root;
    for (const std::string& part : parts) {
        if (part == "." || part == ".." || Exists(current / part)) {
            current /= part;
            continue;
        }
        const std::string match = FindNoCase(current, part);
        if (match.empty()) return path;
        current /= match;
    }
    return current.string();
}

} // namespace vimo
