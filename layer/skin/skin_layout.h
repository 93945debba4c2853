#pragma once
// Placement rules shared by the kaps: skin positions are given against the design size of the
// type, and a kap resized away from it moves its docked elements and grows its list area.
#include <string>

#include "layer/layer_geometry.h"
#include "layer/skin/skin_record.h"

namespace vimo {

struct SkinSize {
    int width = 0;
    int height = 0;
};

// The size all positions of the skin are given against: IconWidth x IconHeight, and for the remote
// kap dock (whose Icon keys size one icon) Width x Height.
SkinSize DesignSize(const SkinRecord& skin);

// A coordinate of an element that keeps its distance to the right (bottom) edge when its dock flag
// is not 0: kap extent - design extent + pos; the plain pos otherwise.
int DockedCoordinate(int pos, int dockFlag, int kapExtent, int designExtent);

// The rectangle of an element prefix ("Lock") in a kap of the given size: PosX/PosY (or XPos/YPos),
// Width, Height, moved by RightDock/BottomDock when the type has them.
LayerRect ElementRect(const SkinRecord& skin, const std::string& prefix, SkinSize kap);

// The scrolled list area: at (ContenerPosX, ContenerPosY), ContenerWidth grown by
// kap width - IconWidth and ContenerHeight grown by kap height - IconHeight.
LayerRect ContenerRect(const SkinRecord& skin, SkinSize kap);

// The widest the kap may get so that its list area is no wider than its content
// (ContenerMaxWidth): IconWidth + ContenerMaxWidth - ContenerWidth.
int ContenerMaxKapWidth(const SkinRecord& skin);

// A size for a kap with a list area: width kept between IconWidth and ContenerMaxKapWidth (or at
// least IconWidth when the type has no ContenerMaxWidth), height at least IconHeight.
SkinSize ClampContenerKapSize(const SkinRecord& skin, SkinSize wanted);

// Horizontal origin (0 or negative) of the list content for a scroll position of 0..100 percent:
// -((ContenerMaxWidth - list area width) * percent / 100), truncated toward zero.
int ContenerScrollOriginX(const SkinRecord& skin, int kapWidth, int percent);

// The list's vertical origin (0 or negative) after a wheel turn of delta (120 a notch, positive
// away from the user): a fifth of the delta a turn (24 pixels a notch), never above the first row
// nor past the last. Unchanged while the content ends above the viewport's bottom edge.
int ContenerWheelOrigin(int origin, int delta, int contentBottom, int viewportBottom);

} // namespace vimo
