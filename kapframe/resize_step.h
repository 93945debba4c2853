#pragma once
// One axis of a corner resize: the new size and anchor for the pointer; changed tells whether the
// layout must follow. The size never goes below the minimum; there is no upper bound.

namespace vimo {

struct ResizeAxis {
    int size, anchor;
    bool changed;
};

ResizeAxis ResizeStep(int size, int anchor, int pointer, int minimum);

} // namespace vimo
