#pragma once
// The connectivity test over the platform's network interface table.
#include "kaps/net/services/connectivity.h"

namespace vimo {

// Reads the interface table into 32,768 bytes; a table that does not fit, a failed read or an empty
// table gives a report with every flag clear.
ConnectionReport TestConnectivity();

} // namespace vimo
