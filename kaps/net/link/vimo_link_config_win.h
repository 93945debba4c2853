#pragma once
// CVimoLinkConfig, "Link": one link of the link folder, its title and its target ("URL").
#include "kaps/net/link/link_list.h"
#include "wnd/dialog_win.h"

namespace vimo {

class CVimoLinkConfig : public Dialog {
public:
    explicit CVimoLinkConfig(LinkItem item);
    // As confirmed with OK (the values given before that).
    const LinkItem& Item() const { return item_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    LinkItem item_;
};

} // namespace vimo
