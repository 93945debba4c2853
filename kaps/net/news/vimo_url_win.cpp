#include "kaps/net/news/vimo_url_win.h"

#include <vector>

#include "base/resource.h"
#include "kaps/net/news/news_model.h"

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
        HWND edit = GetDlgItem(Hwnd(), IDC_URL_ADDRESS);
        const int length = GetWindowTextLengthA(edit);
        std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
        GetWindowTextA(edit, text.data(), length + 1);
        url_ = FeedAddressFromDrop(text.data());
        active_ = IsDlgButtonChecked(Hwnd(), IDC_URL_ACTIVE) == BST_CHECKED;
        EndModal(IDOK);
        return true;
    }
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
