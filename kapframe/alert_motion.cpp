#include "kapframe/alert_motion.h"

#include <cmath>

namespace vimo {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kRadius = 60;
} // namespace

ScreenPoint AlertCentre(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2 + kRadius};
}

ScreenPoint GlidePoint(ScreenPoint from, ScreenPoint to, int i, int steps) {
    return {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
}

ScreenPoint CirclingPosition(ScreenPoint centre, int angle) {
    const double radians = angle * kPi / 360.0;
    return {static_cast<int>(centre.x + kRadius * std::sin(radians)),
            static_cast<int>(centre.y - kRadius + kRadius * std::cos(radians))};
}

} // namespace vimo
