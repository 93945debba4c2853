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

std::string BrowseForExistingFile(HWND owner, const std::string& current, const char* filter) {
    char file[MAX_PATH] = {};
    if (current.size() < sizeof(file)) current.copy(file, current.size());
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof(open);
    open.hwndOwner = owner;
    open.lpstrFilter = filter;
    open.lpstrFile = file;
    open.nMaxFile = sizeof(file);
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetOpenFileNameA(&open) ? std::string(file) : std::string();
}

std::string BrowseForSaveFile(HWND owner, const char* filter, const char* defaultExtension) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA save = {};
    save.lStructSize = sizeof(save);
    save.hwndOwner = owner;
    save.lpstrFilter = filter;
    save.lpstrFile = file;
    save.nMaxFile = sizeof(file);
    save.lpstrDefExt = defaultExtension;
    save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetSaveFileNameA(&save) ? std::string(file) : std::string();
}

} // namespace vimo
