#pragma once
// ActiveX control hosting for the media player remote: the control-host window classes, registered
// once at start-up for the life of the process.
#include <windows.h>

namespace vimo {

class ActiveXHosting {
public:
    ActiveXHosting();
    ActiveXHosting(const ActiveXHosting&) = delete;
    ActiveXHosting& operator=(const ActiveXHosting&) = delete;
    bool Ready() const { return ready_; }

private:
    bool ready_ = false;
};

} // namespace vimo
