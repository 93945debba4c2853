#pragma once
// The kap types this program can make, and how.
#include "kapframe/kap_win.h"

namespace vimo {

// The factory of a type, or null while that type is not part of the program.
KapFactory FactoryOf(KapType type);

} // namespace vimo
