#include "kaps/desk/clock/clock_model.h"

#include <utility>

namespace vimo {

namespace {
// Later texts and timer changes win; dirty accumulates.
void MergeInto(ClockUpdate& into, const ClockUpdate& later) {
    if (later.timeLine) into.timeLine = later.timeLine;
    if (later.dateLine) into.dateLine = later.dateLine;
    if (later.fastTimer != FastTimerChange::Keep) into.fastTimer = later.fastTimer;
    into.dirty = into.dirty || later.dirty;
}
} // namespace

ClockModel::ClockModel(ClockSources sources) : sources_(std::move(sources)), chrono_(sources_.systemNow) {}

ClockUpdate ClockModel::Open(bool chronometerMode) {
    ClockUpdate update;
    if (chronometerMode) update = ToggleChronometer();
    MergeInto(update, Refresh());
    return update;
}

ClockUpdate ClockModel::Refresh() {
    ClockUpdate update;
    const std::tm local = sources_.localNow();
    timeText_ = sources_.format(local, kClockTimeFormat);
    const std::string dateText =
        chrono_.Mode() ? std::string(kChronometerText) : sources_.format(local, kClockDateFormat);
    if (lastDate_.Update(dateText)) update.dateLine = dateText;
    if (!chrono_.Mode())
        update.timeLine = timeText_;
    else
        update.timeLine = chrono_.RunningText();
    return update;
}

ClockUpdate ClockModel::Apply(const ChronoEffect& effect) {
    ClockUpdate update;
    if (effect.showZero) update.timeLine = kChronoZeroText;
    update.fastTimer = effect.fastTimer;
    update.dirty = effect.modeChanged;
    if (effect.modeChanged && !chrono_.Mode()) MergeInto(update, Refresh());
    return update;
}

ClockUpdate ClockModel::ToggleChronometer() { return Apply(chrono_.ToggleMode()); }

ClockUpdate ClockModel::Click() { return Apply(chrono_.Click()); }

ClockUpdate ClockModel::Reset() { return Apply(chrono_.Reset()); }

} // namespace vimo
