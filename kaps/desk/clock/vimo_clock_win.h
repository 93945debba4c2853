#pragma once
// CVimoClock: the clock kap — the local time and the long date, refreshed every second, or a
// chronometer ("Chronometer" on the date line) that a click starts, freezes and resumes and that
// refreshes about twelve times a second while it runs. The mode is kept in the document's header
// as its type letter; everything else starts afresh.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer what the kap shows: the time line's
// text, a line feed, then the date line's text (read-only; used by tests and accessibility tools).
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/kap_win.h"
#include "kapframe/kap_window_win.h"
#include "kaps/desk/clock/clock_model.h"

namespace vimo {

class CLayerStatic;

class CVimoClock : public CKapWindow {
public:
    CVimoClock(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoClock() override;

    const ClockModel& Model() const { return model_; }
    // The texts last set on the time line and on the date line.
    const std::string& TimeLineText() const { return timeLine_; }
    const std::string& DateLineText() const { return dateLine_; }
    // The text WM_GETTEXT answers: time line, "\n", date line.
    std::string ShownText() const;

protected:
    std::size_t TypeLetterCount() const override { return 1; }
    std::string TypeLetters() const override;
    void SetTypeLetters(const std::string& letters) override;
    void BuildItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void Apply(const ClockUpdate& update);
    // Sets a line's text with the style of its skin prefix ("ClockTime", "ClockDate") and redraws it.
    void SetLine(CLayerStatic* line, const std::string& prefix, const std::string& text);

    ClockModel model_;
    bool openInChronometer_ = false; // the document's mode letter, applied when the items exist
    CLayerStatic* background_ = nullptr;
    CLayerStatic* alarm_ = nullptr;
    CLayerStatic* time_ = nullptr;
    CLayerStatic* date_ = nullptr;
    std::string timeLine_, dateLine_;
};

} // namespace vimo
