#include "wnd/dialog_fields_win.h"

#include <commdlg.h>

#include <vector>

namespace vimo {

std::string DialogItemText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    const int length = control ? GetWindowTextLengthA(control) : 0;
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    if (control) GetWindowTextA(control, text.data(), length + 1);
    return std::string(text.data());
}

namespace {

// The common dialog's fields for one file name, kept in `file`.
OPENFILENAMEA FileDialogFields(HWND owner, const char* filter, char (&file)[MAX_PATH], DWORD flags) {
    OPENFILENAMEA fields = {};
    fields.lStructSize = sizeof(fields);
    fields.hwndOwner = owner;
    fields.lpstrFilter = filter;
    fields.lpstrFile = file;
    fields.nMaxFile = MAX_PATH;
    fields.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return fields;
}

} // namespace

std::string BrowseForExistingFile(HWND owner, const std::string& current, const char* filter) {
    char file[MAX_PATH] = {};
    if (current.size() < sizeof(file)) current.copy(file, current.size());
    OPENFILENAMEA open = FileDialogFields(owner, filter, file, OFN_FILEMUSTEXIST);
    return GetOpenFileNameA(&open) ? std::string(file) : std::string();
}

std::string BrowseForSaveFile(HWND owner, const char* filter, const char* defaultExtension) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA save = FileDialogFields(owner, filter, file, OFN_OVERWRITEPROMPT);
    save.lpstrDefExt = defaultExtension;
    return GetSaveFileNameA(&save) ? std::string(file) : std::string();
}

} // namespace vimo
