#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/kap_win.h"

namespace vimo {

// Makes a calc kap from a document path (empty: a new one); null when it cannot be made.
std::unique_ptr<Kap> MakeCalc(HWND owner, const std::string& documentPath);

} // namespace vimo
