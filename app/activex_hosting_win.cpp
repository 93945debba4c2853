#include "app/activex_hosting_win.h"

#include <initializer_list>

namespace vimo {

ActiveXHosting::ActiveXHosting() {
    // Newer hosting libraries first; each registers its host window classes.
    for (const char* name : {"atl110.dll", "atl100.dll", "atl90.dll", "atl80.dll", "atl.dll"}) {
        library_ = LoadLibraryA(name);
        if (!library_) continue;
        using InitFn = BOOL(WINAPI*)();
        auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(library_, "AtlAxWinInit")));
        if (init && init()) {
            ready_ = true;
            return;
        }
        FreeLibrary(library_);
        library_ = nullptr;
    }
}

ActiveXHosting::~ActiveXHosting() {
    if (library_) FreeLibrary(library_);
}

} // namespace vimo
