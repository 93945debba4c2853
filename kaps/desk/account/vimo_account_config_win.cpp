#include "kaps/desk/account/vimo_account_config_win.h"

#include "base/resource.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

constexpr int kNameLimit = 60;
constexpr int kCurrencyLimit = 12;

} // namespace

CVimoAccountConfig::CVimoAccountConfig(std::string name, std::string currency)
    : Dialog(IDD_ACCOUNT_CONFIG), name_(std::move(name)), currency_(std::move(currency)) {}

BOOL CVimoAccountConfig::OnInitDialog() {
    SendDlgItemMessageA(Hwnd(), IDC_ACCOUNT_NAME, EM_LIMITTEXT, kNameLimit, 0);
    SendDlgItemMessageA(Hwnd(), IDC_ACCOUNT_CURRENCY, EM_LIMITTEXT, kCurrencyLimit, 0);
    SetDlgItemTextA(Hwnd(), IDC_ACCOUNT_NAME, name_.c_str());
    SetDlgItemTextA(Hwnd(), IDC_ACCOUNT_CURRENCY, currency_.c_str());
    return TRUE;
}

bool CVimoAccountConfig::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK:
        name_ = DialogItemText(Hwnd(), IDC_ACCOUNT_NAME);
        currency_ = DialogItemText(Hwnd(), IDC_ACCOUNT_CURRENCY);
        EndModal(IDOK);
        return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
