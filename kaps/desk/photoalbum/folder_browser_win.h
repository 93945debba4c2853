#pragma once
// The shell's folder browser, limited to file-system folders.
#include <windows.h>

#include <optional>
#include <string>

namespace vimo {

// The folder the user picked (as the shell gives it, without a trailing "\" except for a drive),
// or nothing when the user cancelled or picked something that is not a file-system folder.
std::optional<std::string> BrowseForFolder(HWND owner, const char* title);

} // namespace vimo
