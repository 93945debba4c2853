#include "layer/layer_alpha.h"

namespace vimo {

int ClampConstantAlpha(int alpha) { return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha); }

int AlphaAfterSetAlpha(int current, int requested) {
    if (requested < 0) return current;
    return requested > 255 ? 255 : requested;
}

} // namespace vimo
