#pragma once
// The remote-services object given to the player control's container: it makes the control run
// as a remote of the full player ("Remote" service, custom interface from the current directory).
#include <windows.h>
#include <servprov.h>

namespace vimo {

// A new object with one reference; the caller releases it.
IServiceProvider* NewWmpRemoteServices();

} // namespace vimo
