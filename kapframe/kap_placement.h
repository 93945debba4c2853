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

// The index of the work area nearest to a rectangle (by the distance between their centres).
std::size_t NearestArea(const KapRect& rect, const std::vector<ScreenRect>& workAreas);

} // namespace vimo
