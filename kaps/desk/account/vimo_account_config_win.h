#pragma once
// CVimoAccountConfig, "Account": the account book's name and currency.
#include <string>

#include "wnd/dialog_win.h"

namespace vimo {

class CVimoAccountConfig : public Dialog {
public:
    CVimoAccountConfig(std::string name, std::string currency);
    const std::string& Name() const { return name_; }
    const std::string& Currency() const { return currency_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::string name_, currency_;
};

} // namespace vimo
