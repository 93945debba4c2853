#include "kaps/net/services/connectivity_win.h"

#include <windows.h>
#include <iphlpapi.h>

#include <vector>

namespace vimo {

ConnectionReport TestConnectivity() {
    constexpr ULONG kTableBytes = 32768;
    std::vector<unsigned char> buffer(kTableBytes);
    ULONG size = kTableBytes;
    auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
    if (GetIfTable(table, &size, FALSE) != NO_ERROR || table->dwNumEntries == 0) return {};
    std::vector<InterfaceState> interfaces;
    for (DWORD i = 0; i < table->dwNumEntries; ++i)
        interfaces.push_back(
            InterfaceState{table->table[i].dwType, static_cast<unsigned long>(table->table[i].dwOperStatus)});
    return ReportFromInterfaces(interfaces);
}

} // namespace vimo
