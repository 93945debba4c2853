#include "kaps/net/services/feed_kap_win.h"

#include "kapframe/settings.h"
#include "layer/layer_host_win.h"
#include "wnd/text_reply_win.h"

namespace vimo {

std::string CFeedKap::FeedFile() const { return AppSettings().programDir + "\\Temp\\" + KapName() + ".XML"; }

void CFeedKap::RestartRefreshTimer() {
    KillTimer(Hwnd(), kRefreshTimer);
    SetTimer(Hwnd(), kRefreshTimer, static_cast<UINT>(IntervalMs()), nullptr);
}

void CFeedKap::Poll() {
    const DownloadStatus status = download_.Status();
    if (status != DownloadStatus::Downloaded && status != DownloadStatus::Failed) return;
    xml_.Release();
    ShowResult(status);
    LayoutItems();
    Layer()->Refresh();
    download_.Shown();
    ++refreshes_;
}

bool CFeedKap::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(ShownText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(ShownText(), wParam, lParam); return true;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        result = 0;
        return true;
    default: return false;
    }
}

BOOL CFeedKap::OnInitDialog() {
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    const BOOL result = CKapWindow::OnInitDialog();
    SetTimer(Hwnd(), kPollTimer, kPollPeriod, nullptr);
    RestartRefreshTimer();
    SetTimer(Hwnd(), kRedrawTimer, kRedrawPeriod, nullptr);
    if (AutoDownload()) StartDownload();
    return result;
}

void CFeedKap::OnTimer(UINT_PTR id) {
    switch (id) {
    case kPollTimer: Poll(); break;
    case kRefreshTimer:
        if (AutoDownload()) StartDownload();
        break;
    case kRedrawTimer:
        if (redraw_) {
            redraw_ = false;
            Layer()->Refresh();
        }
        break;
    default: CKapWindow::OnTimer(id); break;
    }
}

void CFeedKap::OnDestroy() {
    for (UINT_PTR timer : {kPollTimer, kRefreshTimer, kRedrawTimer}) KillTimer(Hwnd(), timer);
    ClearContent();
    xml_.Release();
    DeleteFileA(FeedFile().c_str()); // the kap's feed goes with it
    CKapWindow::OnDestroy();
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
}

} // namespace vimo
