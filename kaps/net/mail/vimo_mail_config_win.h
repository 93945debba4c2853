#pragma once
// CVimoMailConfig, "Mail Alert Setup": the account name, the mail program, the POP server, the
// login and password, and how often the mailbox is checked.
#include "kaps/net/mail/mail_model.h"
#include "wnd/dialog_win.h"

namespace vimo {

class CVimoMailConfig : public Dialog {
public:
    explicit CVimoMailConfig(MailValues values);
    // As confirmed with OK (the values given before that).
    const MailValues& Values() const { return values_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void Confirm();

    MailValues values_;
};

} // namespace vimo
