#include "kaps/desk/clock/vimo_clock_win.h"

#include <chrono>
#include <ctime>

#include "wnd/text_reply_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/desk/clock/clock_document.h"
#include "kaps/desk/clock/time_text.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_s(&local, &now);
    return local;
}

ClockSources PlatformSources() {
    return ClockSources{[] { return std::chrono::system_clock::now(); }, LocalNow, StrftimeText};
}

CLayerStatic* MakeStatic(CLayerHost* host, const LayerRect& r) {
    return new CLayerStatic(host, r.x, r.y, r.width, r.height);
}

} // namespace

CVimoClock::CVimoClock(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Clock, settings, documentPath), model_(PlatformSources()) {}

CVimoClock::~CVimoClock() = default;

std::string CVimoClock::TypeLetters() const { return ClockModeLetter(model_.ChronometerMode()); }

void CVimoClock::SetTypeLetters(const std::string& letters) {
    openInChronometer_ = ChronometerModeFromLetters(letters);
}

std::string CVimoClock::ShownText() const { return timeLine_ + "\n" + dateLine_; }

void CVimoClock::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};

    background_ = MakeStatic(host, LayerRect{0, 0, r.width, r.height});
    SetSkinBackground(background_->Elem(), skin);

    MakeLockImage(ElementRect(skin, "Lock", kap));

    // A picture only: the clock has no reminder.
    alarm_ = MakeStatic(host, ElementRect(skin, "Alarm", kap));
    alarm_->Elem().SetImage(skin.Str("AlarmFileName"));

    time_ = MakeStatic(host, ElementRect(skin, "ClockTime", kap));
    time_->Elem().SetCompositionOrder("T");
    date_ = MakeStatic(host, ElementRect(skin, "ClockDate", kap));
    date_->Elem().SetCompositionOrder("T");

    // The document's mode comes back stopped at zero; the first refresh fills both lines.
    Apply(model_.Open(openInChronometer_));
}

BOOL CVimoClock::OnInitDialog() {
    const BOOL result = CKapWindow::OnInitDialog();
    SetTimer(Hwnd(), kClockTickTimer, kClockTickMs, nullptr);
    return result;
}

void CVimoClock::OnDestroy() {
    KillTimer(Hwnd(), kClockTickTimer);
    KillTimer(Hwnd(), kChronoTimer);
    CKapWindow::OnDestroy();
}

void CVimoClock::OnTimer(UINT_PTR id) {
    if (id == kClockTickTimer || id == kChronoTimer) {
        Apply(model_.Refresh());
        return;
    }
    CKapWindow::OnTimer(id);
}

void CVimoClock::PrepareContextMenu(HMENU popup) {
    CheckMenuItem(popup, ID_CLOCK_CHRONO, MF_BYCOMMAND | (model_.ChronometerMode() ? MF_CHECKED : MF_UNCHECKED));
}

bool CVimoClock::OnKapCommand(UINT id) {
    switch (id) {
    case ID_CLOCK_CHRONO: Apply(model_.ToggleChronometer()); return true;
    case ID_CLOCK_RESET: Apply(model_.Reset()); return true;
    default: return false;
    }
}

bool CVimoClock::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        // Counts whether the kap is locked or not; the common handling (dragging) follows.
        Apply(model_.Click());
        return false;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(ShownText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(ShownText(), wParam, lParam); return true;
    default: return false;
    }
}

void CVimoClock::Apply(const ClockUpdate& update) {
    if (update.dateLine) {
        dateLine_ = *update.dateLine;
        SetLine(date_, "ClockDate", dateLine_);
    }
    if (update.timeLine) {
        timeLine_ = *update.timeLine;
        SetLine(time_, "ClockTime", timeLine_);
    }
    if (update.fastTimer == FastTimerChange::Start) SetTimer(Hwnd(), kChronoTimer, kChronoTickMs, nullptr);
    if (update.fastTimer == FastTimerChange::Stop) KillTimer(Hwnd(), kChronoTimer);
    if (update.dirty) SetDirty();
}

void CVimoClock::SetLine(CLayerStatic* line, const std::string& prefix, const std::string& text) {
    if (!line) return;
    const SkinRecord& skin = Skin();
    CLayerElement& element = line->Elem();
    element.SetBlockStyle(TextBlockId::Text, skin.TextStyle(prefix));
    element.SetBlockPosition(TextBlockId::Text, 0, 0);
    element.SetBlockText(TextBlockId::Text, text);
    line->Repaint();
}

} // namespace vimo
