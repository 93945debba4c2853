#pragma once
// The bounce that brings a note to attention after a click on its alarm day: the window moves down
// in steps of 3 pixels to 69 pixels below its place, back up in steps of 3, then onto its place.
#include <vector>

namespace vimo {

constexpr int kBounceStep = 3;
constexpr int kBounceDepth = 69;
constexpr unsigned kBounceWaitMs = 10; // pause after each move but the last

// The successive top coordinates of the window, ending with top itself.
std::vector<int> BouncePath(int top);

} // namespace vimo
