#include "kaps/media/play_state.h"

namespace vimo {

bool PlayFlags::TakeReported(long state) {
    switch (state) {
    case 1: Stopped(); return true;
    case 2: Paused(); return true;
    case 3: Played(); return true;
    case 4:
    case 5: Scanning(); return true;
    default: return false;
    }
}

FirstMenuEntry FirstEntryFor(const PlayFlags& flags) {
    if (flags.ShowsPause()) return FirstMenuEntry{"Pause / Play", true, true};
    return FirstMenuEntry{"Play / Pause", false, flags.paused};
}

} // namespace vimo
