#pragma once
// CVimoMail: the mail alert kap. It logs in to one POP3 mailbox at a fixed interval, reads how many
// messages it holds and logs out again, never downloading or deleting mail. It shows the account
// name (a "mailto:" link), a picture telling whether there is mail, and the count as a link to the
// mail program. When the count changes to a non-zero value the kap glides to the middle of the
// screen and circles there until it is clicked.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the count text (read-only; used by tests
// and accessibility tools).
#include <windows.h>

#include <string>

#include "kapframe/alert_glide_win.h"
#include "kapframe/kap_window_win.h"
#include "kaps/net/mail/mail_model.h"
#include "kaps/net/mail/pop3_socket_win.h"

namespace vimo {

class CLayerLink;
class CLayerStatic;

class CVimoMail : public CKapWindow, private Pop3Owner {
public:
    enum MailTimer : UINT_PTR { kCheckTimer = 2, kCountTimer = 3, kRecheckTimer = 4, kAlertTimer = 7 };
    static constexpr UINT kCountPeriod = 1000, kRecheckDelay = 10000, kAlertPeriod = 20;
    static constexpr unsigned short kPop3Port = 110;
    static constexpr int kGlideSteps = 200;

    CVimoMail(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoMail() override;

    std::string CountText() const { return MailCountText(shownCount_); }

protected:
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override;
    void BuildItems() override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool SnappingSuspended() const override { return alert_; }
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    // Pop3Owner
    void OnPop3Notify(int code) override;

    void Check();
    void CheckAfresh();
    void CloseSession();
    void ShowCount(int count);
    void ApplyCount();
    void ApplyAccountLink();
    void StartAlert();
    void EndAlert(bool byClick);
    void OpenOptions();
    void RestartCheckTimer();

    MailValues values_;
    bool rewritePassword_ = false; // the document held the password as typed
    int lastCount_ = 0;
    int shownCount_ = 0;
    bool countChanged_ = false;
    bool firstCheckDone_ = false;
    bool sessionOpen_ = false;
    bool alert_ = false;
    bool topMostBeforeAlert_ = false;
    AlertGlide glide_{kGlideSteps};
    Pop3Socket pop3_;
    CLayerLink* name_ = nullptr; // items are owned by the layer host
    CLayerStatic* picture_ = nullptr;
    CLayerLink* count_ = nullptr;
};

} // namespace vimo
