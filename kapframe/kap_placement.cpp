#include "kapframe/kap_placement.h"

#include <algorithm>

namespace vimo {

namespace {

// Kept as wide integers: stored values may be anything an int holds.
bool Meets(const KapRect& r, const ScreenRect& area) {
    const long long right = static_cast<long long>(r.x) + r.width, bottom = static_cast<long long>(r.y) + r.height;
    return r.x < area.right && right > area.left && r.y < area.bottom && bottom > area.top;
}

int Clamp(long long value, long long low, long long high) {
    return static_cast<int>(std::max(low, std::min(value, high)));
}

} // namespace

std::size_t NearestArea(const KapRect& rect, const std::vector<ScreenRect>& workAreas) {
    const long long cx = static_cast<long long>(rect.x) + rect.width / 2;
    const long long cy = static_cast<long long>(rect.y) + rect.height / 2;
    std::size_t best = 0;
    long double bestDistance = -1;
    for (std::size_t i = 0; i < workAreas.size(); ++i) {
        const ScreenRect& a = workAreas[i];
        const long double dx = static_cast<long double>(cx) - (static_cast<long long>(a.left) + a.right) / 2;
        const long double dy = static_cast<long double>(cy) - (static_cast<long long>(a.top) + a.bottom) / 2;
        const long double distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

KapRect PlaceOnScreen(KapRect rect, int minWidth, int minHeight, const ScreenRect& virtualScreen,
                      const std::vector<ScreenRect>& workAreas, std::size_t nearest) {
    const int maxWidth = std::max(minWidth, virtualScreen.right - virtualScreen.left);
    const int maxHeight = std::max(minHeight, virtualScreen.bottom - virtualScreen.top);
    rect.width = Clamp(rect.width, minWidth, maxWidth);
    rect.height = Clamp(rect.height, minHeight, maxHeight);
    if (workAreas.empty() || nearest >= workAreas.size()) return rect;
    for (const ScreenRect& area : workAreas)
        if (Meets(rect, area)) return rect;
    // Into the nearest work area; a kap larger than it keeps its top-left corner there.
    const ScreenRect& area = workAreas[nearest];
    rect.x = Clamp(rect.x, area.left, std::max<long long>(area.left, static_cast<long long>(area.right) - rect.width));
    rect.y = Clamp(rect.y, area.top, std::max<long long>(area.top, static_cast<long long>(area.bottom) - rect.height));
    return rect;
}

namespace {

bool Overlaps(const KapRect& r, const ScreenRect& s) {
    return r.x < s.right && s.left < r.x + r.width && r.y < s.bottom && s.top < r.y + r.height;
}

} // namespace

KapRect PlaceNewKap(KapRect wanted, const ScreenRect& workArea, const std::vector<ScreenRect>& bars,
                    const std::vector<ScreenRect>& kaps) {
    auto free = [&](const KapRect& r) {
        for (const ScreenRect& bar : bars)
            if (Overlaps(r, bar)) return false;
        for (const ScreenRect& kap : kaps)
            if (kap.left == r.x && kap.top == r.y) return false;
        return true;
    };
    // A create position off the work area (a damaged setting) starts inside it.
    wanted.x = std::max(workArea.left, std::min(wanted.x, workArea.right - wanted.width));
    wanted.y = std::max(workArea.top, std::min(wanted.y, workArea.bottom - wanted.height));
    KapRect place = wanted;
    for (int step = 0; step < 1000; ++step) {
        if (free(place)) return place;
        place.x += kCascadeStep;
        place.y += kCascadeStep;
        if (place.x + place.width > workArea.right) place.x = workArea.left;
        if (place.y + place.height > workArea.bottom) place.y = workArea.top;
    }
    return wanted;
}

} // namespace vimo
