#include "kapframe/resize_step.h"

namespace vimo {

ResizeAxis ResizeStep(int size, int anchor, int pointer, int minimum) {
    const int wanted = size + (pointer - anchor);
    if (wanted >= minimum) return {wanted, pointer, true};
    if (size != minimum) return {minimum, anchor, true};
    return {size, anchor, false};
}

} // namespace vimo
