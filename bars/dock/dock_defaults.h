#pragma once
// What a new dock holds before the user adds icons.
#include <functional>
#include <string>

#include "kapframe/kap_types.h"
#include "bars/dock/dock_document.h"

namespace vimo {

// A dock of the skin's design size at (0, 0), unlocked, with one icon per kap type the program can
// make (`available`; in the order of the kap types, with their default titles) followed by shortcuts to "My Computer",
// "My Documents", "Control Panel", "Recycle Bin" and "Show Desktop". Images are the dock skin's pictures below
// skinFolder (ending in a backslash).
DockDocument NewDockDocument(int designWidth, int designHeight, const std::string& skinFolder,
                             const std::function<bool(KapType)>& available);

} // namespace vimo
