#pragma once
// Registering a plain window class of the program once per process.
#include <windows.h>

namespace vimo {

// Registers name with proc, the arrow cursor and a black background unless it is registered
// already; true when it is registered.
bool RegisterPlainWindowClass(const char* name, WNDPROC proc);

} // namespace vimo
