#include "layer/controls/layer_static_win.h"

namespace vimo {

CLayerStatic::CLayerStatic(CLayerHost* host, int x, int y, int width, int height)
    : CLayerControl(host, x, y, width, height, "STATIC", "CStatic", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME) {
    // A static shows its picture as it is: no hover changes its looks.
    Elem().SetKeepsPrerender(false);
}

} // namespace vimo
