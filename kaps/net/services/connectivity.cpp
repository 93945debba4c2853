#include "kaps/net/services/connectivity.h"

namespace vimo {

namespace {

enum InterfaceType : unsigned long { kOther = 1, kEthernet = 6, kTokenRing = 9, kPpp = 23, kSlip = 28 };
enum OperStatus : unsigned long { kConnected = 4, kOperational = 5 };

} // namespace

ConnectionReport ReportFromInterfaces(const std::vector<InterfaceState>& interfaces) {
    ConnectionReport report;
    for (const InterfaceState& row : interfaces) {
        if (row.operStatus != kConnected && row.operStatus != kOperational) continue;
        bool* flag = nullptr;
        switch (row.type) {
        case kPpp: flag = &report.dialUp; break;
        case kSlip: flag = &report.slip; break;
        case kTokenRing: flag = &report.tokenRing; break;
        case kEthernet: flag = &report.ethernet; break;
        case kOther: flag = &report.other; break;
        default: break;
        }
        if (!flag) continue;
        *flag = true;
        report.connected = true;
    }
    return report;
}

} // namespace vimo
