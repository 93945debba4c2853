// Which interfaces count as a connection.
#include <gtest/gtest.h>

#include "kaps/net/services/connectivity.h"

namespace vimo {
namespace {

TEST(Connectivity, OnlyConnectedInterfacesOfTheKnownKindsCount) {
    EXPECT_FALSE(ReportFromInterfaces({}).connected);
    EXPECT_FALSE(ReportFromInterfaces({{24, 5}}).connected) << "the loopback";
    EXPECT_FALSE(ReportFromInterfaces({{6, 2}, {71, 5}}).connected) << "Ethernet down, wireless not a known kind";
    const ConnectionReport report = ReportFromInterfaces({{24, 5}, {6, 4}, {23, 5}, {28, 1}});
    EXPECT_TRUE(report.connected && report.ethernet && report.dialUp);
    EXPECT_FALSE(report.slip || report.tokenRing || report.other);
}

} // namespace
} // namespace vimo
