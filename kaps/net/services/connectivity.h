#pragma once
// Whether any network interface is up, by kind. Made fresh by every test, never stored; callers
// look at `connected` only.
#include <vector>

namespace vimo {

struct ConnectionReport {
    bool connected = false; // any of the kinds below
    bool dialUp = false;    // PPP
    bool slip = false;
    bool tokenRing = false; // ISO 802.5
    bool ethernet = false;  // CSMA/CD
    bool other = false;
};

// One row of the platform's interface table: its type and operational status numbers.
struct InterfaceState {
    unsigned long type = 0;
    unsigned long operStatus = 0;
};

// An interface counts when its type is PPP (23), SLIP (28), ISO 802.5 (9), Ethernet (6) or other (1)
// and it is connected (4) or operational (5); the software loopback (24) never counts.
ConnectionReport ReportFromInterfaces(const std::vector<InterfaceState>& interfaces);

} // namespace vimo
