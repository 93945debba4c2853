#include "kaps/net/link/vimo_link_config_win.h"

#include "base/resource.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

CVimoLinkConfig::CVimoLinkConfig(LinkItem item) : Dialog(IDD_LINK_CONFIG), item_(std::move(item)) {}

BOOL CVimoLinkConfig::OnInitDialog() {
    SetDlgItemTextA(Hwnd(), IDC_LINK_TITLE, item_.title.c_str());
    SetDlgItemTextA(Hwnd(), IDC_LINK_URL, item_.target.c_str());
    return TRUE;
}

bool CVimoLinkConfig::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK:
        item_.title = DialogItemText(Hwnd(), IDC_LINK_TITLE);
        item_.target = DialogItemText(Hwnd(), IDC_LINK_URL);
        EndModal(IDOK);
        return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
