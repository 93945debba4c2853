#include "app/kap_win.h"

namespace vimo {

KapFactory FactoryOf(KapType /*type*/) {
    // Kap types join here as they are built.
    return nullptr;
}

} // namespace vimo
