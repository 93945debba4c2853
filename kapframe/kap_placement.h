#pragma once
// Where a kap read from its document may stand: stored sizes and positions are outside data (a
// damaged file, a monitor that is gone), so they are held to what the screens can show.
#include <vector>

#include "kapframe/edge_snap.h"
#include "kapframe/kap_document.h"

namespace vimo {

// The kap's rectangle with its size held between the type's smallest size and the whole virtual
// screen, and, when it meets none of the monitors' work areas, moved onto the work area nearest
// to it (workAreas[nearest]) as far as it fits there. No work areas: only the size is held.
KapRect PlaceOnScreen(KapRect rect, int minWidth, int minHeight, const ScreenRect& virtualScreen,
                      const std::vector<ScreenRect>& workAreas, std::size_t nearest);

// Where a new kap goes: at `wanted` (the create position and the kap's size) unless it would be
// hidden by a bar there (overlap one of `bars`) or stand exactly where another kap stands (the same
// top-left corner as one of `kaps`); then a step down and right at a time, each coordinate wrapping
// to the work area's start when the kap would leave it. A wanted place off the work area is moved
// onto it first. When no place in 1,000 steps is free, the wanted one.
constexpr int kCascadeStep = 24;
KapRect PlaceNewKap(KapRect wanted, const ScreenRect& workArea, const std::vector<ScreenRect>& bars,
                    const std::vector<ScreenRect>& kaps);

// The index of the work area nearest to a rectangle (by the distance between their centres).
std::size_t NearestArea(const KapRect& rect, const std::vector<ScreenRect>& workAreas);

} // namespace vimo
