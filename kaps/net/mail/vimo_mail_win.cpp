#include "kaps/net/mail/vimo_mail_win.h"

#include "base/messages.h"
#include "base/resource.h"
#include "kaps/net/mail/password_protect_win.h"
#include "kaps/net/mail/vimo_mail_config_win.h"
#include "kaps/net/services/connectivity_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/text_reply_win.h"

namespace vimo {

namespace {

constexpr const char* kMailTo = "mailto:";
constexpr int kNear = 1, kCentre = 0;

// A link of the kap styled by the skin keys of a prefix ("MailName", "MailTxt").
CLayerLink* MakeTextLink(CLayerHost* host, const SkinRecord& skin, const std::string& prefix, HWND kap) {
    const LayerRect r = ElementRect(skin, prefix, SkinSize{skin.Int("IconWidth"), skin.Int("IconHeight")});
    auto* link = new CLayerLink(host, r.x, r.y, r.width, r.height);
    CLayerElement& element = link->Elem();
    element.SetBlockStyle(TextBlockId::Title, skin.TextStyle(prefix));
    element.SetBlockPosition(TextBlockId::Title, kNear, kCentre);
    LayerNotifications& forward = link->Notifications();
    forward.target = kap;
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    return link;
}

} // namespace

CVimoMail::CVimoMail(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Mail, settings, documentPath) {}

CVimoMail::~CVimoMail() = default;

// --- document --------------------------------------------------------------------------------------

void CVimoMail::ReadPayload(DocumentReader& reader) {
    std::string passwordLine;
    ReadMailPayload(reader, values_, passwordLine);
    bool asTyped = false;
    values_.password = PasswordOfLine(passwordLine, asTyped);
    rewritePassword_ = asTyped && !values_.password.empty();
}

void CVimoMail::WritePayload(DocumentWriter& writer) const {
    WriteMailPayload(writer, values_, PasswordLine(values_.password));
}

// --- items -----------------------------------------------------------------------------------------

void CVimoMail::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    MakeBackgroundAndLock();
    name_ = MakeTextLink(host, skin, "MailName", Hwnd());
    const LayerRect pictureRect = ElementRect(skin, "MailPics", kap);
    picture_ = new CLayerStatic(host, pictureRect.x, pictureRect.y, pictureRect.width, pictureRect.height);
    count_ = MakeTextLink(host, skin, "MailTxt", Hwnd());
    // A click on the count also looks at the mailbox again, a little later.
    count_->Notifications().clickMessage = WMU_MAIL_RECHECK;
    ApplyAccountLink();
    ShowCount(0);
}

void CVimoMail::ApplyAccountLink() {
    name_->Elem().SetBlockText(TextBlockId::Title, values_.accountName);
    name_->SetTarget(values_.accountName.empty() ? std::string() : kMailTo);
    count_->SetTarget(values_.mailProgram);
    name_->Repaint();
}

void CVimoMail::ShowCount(int count) {
    shownCount_ = count;
    const SkinRecord& skin = Skin();
    picture_->Elem().SetImage(skin.ImagePath(count > 0 ? "MailPicsMailName" : "MailPicsNoMailName"));
    count_->Elem().SetBlockText(TextBlockId::Title, MailCountText(count));
    count_->SetTarget(values_.mailProgram);
    picture_->Repaint();
    count_->Repaint();
}

// --- checking the mailbox --------------------------------------------------------------------------

// A check opens a session when none is open, and otherwise only ends the one still open, so after a
// completed session every second check logs in.
void CVimoMail::Check() {
    if (!TestConnectivity().connected) return; // the display keeps its last state
    if (sessionOpen_) {
        CloseSession();
        return;
    }
    sessionOpen_ = true;
    Pop3Client& client = pop3_.Client();
    client.SetOwner(this);
    client.SetLogin(values_.login, values_.password);
    client.SetDeleteAfterRetrieval(false);
    if (!values_.popServer.empty() && pop3_.Open()) pop3_.Connect(values_.popServer, kPop3Port);
}

void CVimoMail::CloseSession() {
    pop3_.Client().Close();
    sessionOpen_ = false;
}

// Update, the click on the count and new options always log in at once.
void CVimoMail::CheckAfresh() {
    if (sessionOpen_) CloseSession();
    Check();
}

void CVimoMail::OnPop3Notify(int code) {
    if (code != kPop3StatParsed) return;
    Pop3Client& client = pop3_.Client();
    const int count = client.MessageCount();
    if (count != lastCount_) {
        lastCount_ = count;
        countChanged_ = true;
    }
    client.Close(); // the count is all the kap wants: it logs out
}

void CVimoMail::ApplyCount() {
    countChanged_ = false;
    ShowCount(lastCount_);
    Layer()->Refresh();
    if (lastCount_ > 0) {
        topMostBeforeAlert_ = TopMost();
        if (!alert_) StartAlert();
    } else if (alert_) {
        EndAlert(false);
    }
}

// --- the alert -------------------------------------------------------------------------------------

void CVimoMail::StartAlert() {
    Raise();
    if (!TopMost()) SwitchTopMost();
    alert_ = true; // snapping stays out of the glide
    glide_.GlideToCentre(Hwnd());
    SetTimer(Hwnd(), kAlertTimer, kAlertPeriod, nullptr);
}

void CVimoMail::EndAlert(bool byClick) {
    alert_ = false;
    KillTimer(Hwnd(), kAlertTimer);
    glide_.GlideBack(Hwnd());
    if (byClick && topMostBeforeAlert_) {
        SetForegroundWindow(Hwnd());
        TakeFocus();
        return;
    }
    if (!topMostBeforeAlert_) {
        if (TopMost()) SwitchTopMost();
        SendToDesktop();
    }
    if (byClick) {
        SetForegroundWindow(Hwnd());
        TakeFocus();
    }
}

// --- commands and messages -------------------------------------------------------------------------

void CVimoMail::RestartCheckTimer() {
    KillTimer(Hwnd(), kCheckTimer);
    SetTimer(Hwnd(), kCheckTimer, static_cast<UINT>(values_.intervalMinutes) * 60000u, nullptr);
}

void CVimoMail::OpenOptions() {
    CVimoMailConfig dialog(values_);
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    values_ = dialog.Values();
    values_.intervalMinutes = UsableMailInterval(values_.intervalMinutes);
    // Kept at the next save tick rather than only at exit, so a crash does not lose new settings.
    SetDirty();
    ApplyAccountLink();
    Layer()->Refresh();
    RestartCheckTimer();
    CheckAfresh();
}

bool CVimoMail::OnKapCommand(UINT id) {
    switch (id) {
    case ID_MAIL_UPDATE: CheckAfresh(); return true;
    case ID_MAIL_SEND: CLayerLink::ShellOpen(kMailTo); return true;
    case ID_MAIL_OPTIONS: OpenOptions(); return true;
    default: return false;
    }
}

bool CVimoMail::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WMU_MAIL_RECHECK:
        SetTimer(Hwnd(), kRecheckTimer, kRecheckDelay, nullptr);
        result = 0;
        return true;
    case WM_LBUTTONDOWN:
        if (!alert_) return false; // the common handling moves the kap
        EndAlert(true);
        result = 0;
        return true;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(CountText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(CountText(), wParam, lParam); return true;
    default: return false;
    }
}

BOOL CVimoMail::OnInitDialog() {
    values_.intervalMinutes = UsableMailInterval(values_.intervalMinutes);
    const BOOL result = CKapWindow::OnInitDialog();
    if (rewritePassword_) SetDirty(); // written protected at the next save tick
    RestartCheckTimer();
    SetTimer(Hwnd(), kCountTimer, kCountPeriod, nullptr);
    return result;
}

void CVimoMail::OnTimer(UINT_PTR id) {
    switch (id) {
    case kCheckTimer: Check(); break;
    case kCountTimer:
        if (!firstCheckDone_) {
            firstCheckDone_ = true;
            Check();
        }
        if (countChanged_) ApplyCount();
        break;
    case kRecheckTimer:
        KillTimer(Hwnd(), kRecheckTimer);
        CheckAfresh();
        break;
    case kAlertTimer:
        if (alert_) glide_.CircleStep(Hwnd());
        break;
    default: CKapWindow::OnTimer(id); break;
    }
}

void CVimoMail::OnDestroy() {
    for (UINT_PTR timer : {kCheckTimer, kCountTimer, kRecheckTimer, kAlertTimer}) KillTimer(Hwnd(), timer);
    pop3_.Client().SetOwner(nullptr);
    pop3_.CloseSocket();
    CKapWindow::OnDestroy();
}

} // namespace vimo
