#include "app/kap_win.h"

#include "kaps/desk/note/vimo_note_win.h"

namespace vimo {

KapFactory FactoryOf(KapType type) {
    // Kap types join here as they are built.
    switch (type) {
    case KapType::Note:
        return MakeNote;
    default:
        return nullptr;
    }
}

} // namespace vimo
