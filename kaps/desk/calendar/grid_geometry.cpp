#include "kaps/desk/calendar/grid_geometry.h"

#include "base/messages.h"
#include "kaps/desk/calendar/month_grid.h"

namespace vimo {

static_assert(kCalendarCellCount == static_cast<unsigned>(kGridCellCount), "one click message per cell");

LayerRect CellRect(const GridGeometry& grid, int k) {
    const int column = CellColumn(k);
    const int row = CellRow(k);
    return LayerRect{grid.x + column * (grid.width + grid.spaceX), grid.y + row * (grid.height + grid.spaceY),
                     grid.width, grid.height};
}

std::optional<int> CellAt(const GridGeometry& grid, int px, int py) {
    for (int k = 1; k <= kGridCellCount; ++k)
        if (CellRect(grid, k).Contains(px, py)) return k;
    return std::nullopt;
}

std::optional<int> CellOfMessage(unsigned message) {
    if (message <= WMU_CALENDAR_CELL_BASE || message > WMU_CALENDAR_CELL_BASE + kCalendarCellCount) return std::nullopt;
    return static_cast<int>(message - WMU_CALENDAR_CELL_BASE);
}

} // namespace vimo
