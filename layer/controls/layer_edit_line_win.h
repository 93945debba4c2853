#pragma once
// CLayerEditLine: the single-line layered edit box (search fields and the like). It behaves as
// CLayerEdit; its input window is a single-line edit window that accepts Enter and scrolls
// horizontally by itself, so the text is always one line.
#include "layer/controls/layer_edit_win.h"

namespace vimo {

class CLayerEditLine : public CLayerEdit {
public:
    CLayerEditLine(CLayerHost* host, int x, int y, int width, int height);
};

} // namespace vimo
