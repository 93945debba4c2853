// The POP3 client on a real socket against small scripted servers on 127.0.0.1: a session to the
// count, a greeting that never comes, a connection the server drops.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kaps/net/mail/pop3_socket_win.h"
#include "layer/layer_test_support_win.h"
#include "support/loopback_server_win.h"

namespace vimo {
namespace {

using layertest::PumpUntil;
using testsupport::LoopbackServer;

// Answers like a POP3 server with a mailbox of two messages.
void TwoMessages(SOCKET client, const std::atomic<bool>&) {
    LoopbackServer::SendAll(client, "+OK ready\r\n");
    for (;;) {
        const std::string line = LoopbackServer::ReadLine(client);
        if (line.empty()) return;
        if (line.rfind("stat", 0) == 0)
            LoopbackServer::SendAll(client, "+OK 2 320\r\n");
        else if (line.rfind("quit", 0) == 0) {
            LoopbackServer::SendAll(client, "+OK bye\r\n");
            shutdown(client, SD_BOTH);
            return;
        } else
            LoopbackServer::SendAll(client, "+OK\r\n");
    }
}

class Owner : public Pop3Owner {
public:
    explicit Owner(Pop3Socket& socket) : socket_(socket) { socket.Client().SetOwner(this); }
    void OnPop3Notify(int code) override {
        codes.push_back(code);
        if (code == kPop3StatParsed) socket_.Client().Close(); // the count is all the mail alert wants
    }
    bool Closed() const { return std::find(codes.begin(), codes.end(), kPop3Closed) != codes.end(); }
    std::vector<int> codes;

private:
    Pop3Socket& socket_;
};

TEST(Pop3Socket, ASessionReadsTheCountAndASecondSessionStartsAfresh) {
    LoopbackServer server(TwoMessages);
    Pop3Socket socket;
    Owner owner(socket);
    socket.Client().SetLogin("anna", "secret");
    for (int session = 0; session < 2; ++session) {
        owner.codes.clear();
        socket.Client().Close(); // as the kap does before each connect
        owner.codes.clear();
        ASSERT_TRUE(socket.Open());
        ASSERT_TRUE(socket.Connect("127.0.0.1", static_cast<unsigned short>(server.Port())));
        ASSERT_TRUE(PumpUntil([&] { return owner.Closed(); }, 10000));
        EXPECT_EQ(owner.codes, (std::vector<int>{2, 3, 3, 3, 5, 1, 6})) << session;
        EXPECT_EQ(socket.Client().MessageCount(), 2);
    }
}

TEST(Pop3Socket, AGreetingThatNeverComesAndADroppedConnectionEndTheSession) {
    LoopbackServer silent([](SOCKET client, const std::atomic<bool>& stopping) {
        char c;
        while (!stopping && recv(client, &c, 1, 0) > 0) {}
    });
    Pop3Socket socket;
    Owner owner(socket);
    socket.SetSessionLimit(1000);
    ASSERT_TRUE(socket.Open());
    ASSERT_TRUE(socket.Connect("127.0.0.1", static_cast<unsigned short>(silent.Port())));
    const DWORD start = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return owner.Closed(); }, 10000));
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_EQ(socket.Client().State(), 0);

    LoopbackServer dropping([](SOCKET client, const std::atomic<bool>&) {
        LoopbackServer::SendAll(client, "+OK ready\r\n");
        LoopbackServer::ReadLine(client);
        shutdown(client, SD_BOTH);
    });
    owner.codes.clear();
    ASSERT_TRUE(socket.Open());
    ASSERT_TRUE(socket.Connect("localhost", static_cast<unsigned short>(dropping.Port())));
    ASSERT_TRUE(PumpUntil([&] { return owner.Closed(); }, 10000)) << "the server's close is told";
    EXPECT_EQ(owner.codes.front(), kPop3Connected);
}

} // namespace
} // namespace vimo
