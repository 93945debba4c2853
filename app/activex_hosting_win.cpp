#include "app/activex_hosting_win.h"

#include "kaps/media/ax_host_win.h"

namespace vimo {

ActiveXHosting::ActiveXHosting() {
    // The control-host window classes are the program's own (the platform's hosting libraries do
    // not register these names everywhere), with the message a host answers with itself.
    ready_ = AxHost::RegisterWindowClass();
    RegisterWindowMessageA("WM_ATLGETHOST");
}

} // namespace vimo
