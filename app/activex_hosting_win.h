#pragma once
// ActiveX control hosting for the media player remote: the platform's control-host window classes,
// registered once at start-up and kept until shutdown.
#include <windows.h>

namespace vimo {

class ActiveXHosting {
public:
    ActiveXHosting();
    ~ActiveXHosting();
    ActiveXHosting(const ActiveXHosting&) = delete;
    ActiveXHosting& operator=(const ActiveXHosting&) = delete;
    bool Ready() const { return ready_; }

private:
    HMODULE library_ = nullptr;
    bool ready_ = false;
};

} // namespace vimo
