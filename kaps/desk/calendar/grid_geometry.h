#pragma once
// Where the calendar's grid cells lie in the window, from the skin's TextBase values, and which
// cell a point or a cell's click message belongs to.
#include <optional>

#include "layer/layer_geometry.h"

namespace vimo {

struct GridGeometry {
    int x = 0;      // TextBaseXPos
    int y = 0;      // TextBaseYPos
    int width = 0;  // TextBaseWidth
    int height = 0; // TextBaseHeight
    int spaceX = 0; // TextBaseSpaceX
    int spaceY = 0; // TextBaseSpaceY
};

// Cell k (1 ... 49) in row r, column c: x + c * (width + spaceX), y + r * (height + spaceY).
LayerRect CellRect(const GridGeometry& grid, int k);
// The cell whose rectangle holds the point; with overlapping cells the first in row order wins.
std::optional<int> CellAt(const GridGeometry& grid, int px, int py);
// The cell whose click message this is (CalendarCellMessage(k)), if any.
std::optional<int> CellOfMessage(unsigned message);

} // namespace vimo
