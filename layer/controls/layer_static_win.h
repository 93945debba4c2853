#pragma once
// CLayerStatic: a layered label or picture. It draws its element and nothing else; its input
// window is a black-frame static window ("CStatic"), which lets the pointer through to the window
// below. Its settings are those of the element (composition order, background image and its
// alpha, image and its zoom, title and text), reached through Elem().
#include "layer/controls/layer_control_win.h"

namespace vimo {

class CLayerStatic : public CLayerControl {
public:
    CLayerStatic(CLayerHost* host, int x, int y, int width, int height);
};

} // namespace vimo
