#include "kaps/net/news/vimo_url_win.h"

#include "base/resource.h"
#include "kaps/net/news/news_model.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

CVimoURL::CVimoURL(std::string url, bool active) : Dialog(IDD_URL_CONFIG), url_(std::move(url)), active_(active) {}

BOOL CVimoURL::OnInitDialog() {
    SetDlgItemTextA(Hwnd(), IDC_URL_ADDRESS, url_.c_str());
    CheckDlgButton(Hwnd(), IDC_URL_ACTIVE, active_ ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

bool CVimoURL::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK: {
        url_ = FeedAddressFromDrop(DialogItemText(Hwnd(), IDC_URL_ADDRESS));
        active_ = IsDlgButtonChecked(Hwnd(), IDC_URL_ACTIVE) == BST_CHECKED;
        EndModal(IDOK);
        return true;
    }
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
