#pragma once
// CVimoURL, "RSS Feed": the RSS reader's feed address and whether it is downloaded automatically.
#include <string>

#include "wnd/dialog_win.h"

namespace vimo {

class CVimoURL : public Dialog {
public:
    CVimoURL(std::string url, bool active);
    // As confirmed with OK (the values given before that).
    const std::string& Url() const { return url_; }
    bool Active() const { return active_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::string url_;
    bool active_;
};

} // namespace vimo
