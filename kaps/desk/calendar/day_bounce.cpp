#include "kaps/desk/calendar/day_bounce.h"

namespace vimo {

std::vector<int> BouncePath(int top) {
    std::vector<int> path;
    for (int y = top; y < top + kBounceDepth; y += kBounceStep) path.push_back(y);
    for (int y = top + kBounceDepth; y > top; y -= kBounceStep) path.push_back(y);
    path.push_back(top);
    return path;
}

} // namespace vimo
