#include "bars/dock/dock_start_menu.h"

#include <cmath>

namespace vimo {

namespace {
constexpr long long kMinSteps = 3;
} // namespace

DockPoint StartMenuTarget(DockPoint pointer, int menuWidth, int menuHeight, int screenWidth, int screenHeight) {
    DockPoint target = pointer;
    if (static_cast<long long>(pointer.x) + menuWidth > screenWidth)
        target.x = static_cast<int>(static_cast<long long>(screenWidth) - menuWidth);
    if (static_cast<long long>(pointer.y) + menuHeight > screenHeight)
        target.y = static_cast<int>(static_cast<long long>(screenHeight) - menuHeight);
    return target;
}

std::vector<DockPoint> StartMenuSlide(DockPoint current, DockPoint target) {
    const long long dx = static_cast<long long>(target.x) - current.x;
    const long long dy = static_cast<long long>(target.y) - current.y;
    const double distance = std::floor(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    long long steps = static_cast<long long>(0.2 * std::sqrt(distance));
    if (steps < kMinSteps) steps = kMinSteps;

    std::vector<DockPoint> path;
    path.reserve(static_cast<std::size_t>(steps) + 1);
    for (long long i = 0; i < steps; ++i)
        path.push_back(
            DockPoint{static_cast<int>(current.x + dx * i / steps), static_cast<int>(current.y + dy * i / steps)});
    path.push_back(target);
    return path;
}

} // namespace vimo
