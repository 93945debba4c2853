#include "support/shortcut_file_win.h"

#include <windows.h>

#include <shlobj.h>

#include "base/com_ptr_win.h"

namespace vimo::testsupport {

bool WriteShortcut(const std::string& path, const std::string& target) {
    ComPtr<IShellLinkA> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(shellLink.Receive()))))
        return false;
    shellLink->SetPath(target.c_str());
    ComPtr<IPersistFile> persist;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persist.Receive())))) return false;
    const std::wstring wide(path.begin(), path.end());
    return SUCCEEDED(persist->Save(wide.c_str(), TRUE));
}

} // namespace vimo::testsupport
