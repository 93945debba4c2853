#include "layer/controls/layer_edit_line_win.h"

namespace vimo {

CLayerEditLine::CLayerEditLine(CLayerHost* host, int x, int y, int width, int height)
    : CLayerEdit(host, x, y, width, height, ES_AUTOHSCROLL | ES_WANTRETURN, false) {
    // One line never needs a vertical band.
    SetScrollSizes(0, 10);
}

} // namespace vimo
