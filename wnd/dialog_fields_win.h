#pragma once
// Reading a dialog's fields and picking a file for one.
#include <windows.h>

#include <string>

namespace vimo {

// The text of a dialog item; empty when there is no such item.
std::string DialogItemText(HWND dialog, int id);
// The file-open dialog for an existing file, starting from `current`; the chosen path, or empty
// when the user cancelled. filter: pairs of NUL-ended strings, ended by an extra NUL.
std::string BrowseForExistingFile(HWND owner, const std::string& current, const char* filter);
// The file-save dialog, asking before an existing file is replaced; defaultExtension (without the
// dot) is added to a name typed without one. The chosen path, or empty when the user cancelled.
std::string BrowseForSaveFile(HWND owner, const char* filter, const char* defaultExtension);

} // namespace vimo
