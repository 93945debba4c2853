#pragma once
// CFeedKap: the frame of the kaps that show a downloaded feed (the RSS reader, the weather). It
// holds COM for the window's thread, the download worker of the kap's feed file in \Temp\ (which
// goes with the kap) and the XML document the feed is read into, and runs three timers: a
// one-second poll that has a finished download's result shown, the refresh interval that starts the
// next download while automatic download is on, and the push of the surface after scrolling.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer ShownText() (read-only; used by tests and
// accessibility tools); the mouse wheel goes to Wheel().
#include <windows.h>

#include <string>

#include "kapframe/kap_window_win.h"
#include "kaps/net/services/feed_download_win.h"
#include "kaps/net/services/xml_document_win.h"

namespace vimo {

class CFeedKap : public CKapWindow {
public:
    enum FeedTimer : UINT_PTR { kPollTimer = 2, kRefreshTimer = 3, kRedrawTimer = 5 };
    static constexpr UINT kPollPeriod = 1000, kRedrawPeriod = 100;

    using CKapWindow::CKapWindow;

    // \Temp\<kap name>.XML under the program directory.
    std::string FeedFile() const;
    // How many downloads' results have been shown.
    unsigned Refreshes() const { return refreshes_; }

protected:
    // Automatic download on, and its period.
    virtual bool AutoDownload() const = 0;
    virtual int IntervalMs() const = 0;
    // Starts a worker for the kap's feed when it has one.
    virtual void StartDownload() = 0;
    // Shows a finished download (Downloaded or Failed) from an empty document; the kap is then laid
    // out, pushed, and ready for the next download.
    virtual void ShowResult(DownloadStatus status) = 0;
    virtual std::string ShownText() const = 0;
    virtual void Wheel(int delta) = 0;
    // Frees what the feed's content put on the layer before the window goes.
    virtual void ClearContent() = 0;

    FeedDownload& Download() { return download_; }
    XmlDocument& Xml() { return xml_; }
    void RestartRefreshTimer();
    // The surface is pushed at the next redraw tick.
    void SetRedraw() { redraw_ = true; }

    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void Poll();

    FeedDownload download_;
    XmlDocument xml_;
    bool comStarted_ = false;
    unsigned refreshes_ = 0;
    bool redraw_ = false;
};

} // namespace vimo
