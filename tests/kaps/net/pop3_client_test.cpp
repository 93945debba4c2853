// The POP3 client's state machine with scripted server replies.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kaps/net/mail/pop3_client.h"

namespace vimo {
namespace {

class ScriptedSession : public Pop3Transport, public Pop3Owner {
public:
    ScriptedSession() : client(*this) {
        client.SetOwner(this);
        client.SetLogin("anna", "secret");
    }
    bool Send(const std::string& text) override {
        if (!open) return false;
        sent.push_back(text);
        return true;
    }
    void CloseSocket() override { open = false; }
    void OnPop3Notify(int code) override {
        notified.push_back(code);
        if (code == kPop3Closed) statusAtClose.push_back(client.StatusText());
        if (onNotify) onNotify(code);
    }
    void Connect() {
        open = true;
        client.OnConnect(0);
    }
    void Reply(const std::string& text) { client.OnReceive(0, text); }
    // Greeting, USER, PASS and the STAT reply.
    void LogIn(const std::string& stat) {
        Connect();
        Reply("+OK ready\r\n");
        Reply("+OK\r\n");
        Reply("+OK logged in\r\n");
        Reply(stat);
    }

    Pop3Client client;
    bool open = false;
    std::vector<std::string> sent;
    std::vector<int> notified;
    std::vector<std::string> statusAtClose;
    std::function<void(int)> onNotify;
};

TEST(Pop3Client, AnEmptyMailboxEndsAfterStatWithoutRetrieving) {
    ScriptedSession s;
    s.LogIn("+OK 0 0\r\n");
    EXPECT_EQ(s.sent, (std::vector<std::string>{"user anna\r\n", "pass secret\r\n", "stat\r\n", "quit\r\n"}));
    EXPECT_EQ(s.notified, (std::vector<int>{2, 3, 3, 3, 5, 6, 1}));
    EXPECT_EQ(s.statusAtClose, (std::vector<std::string>{Pop3Client::kNoNewMessages}));
    EXPECT_EQ(s.client.State(), 0);
    EXPECT_EQ(s.client.StatusText(), Pop3Client::kNotConnected);
    EXPECT_FALSE(s.open);
}

TEST(Pop3Client, AnErrGreetingEndsTheSessionBeforeUser) {
    ScriptedSession s;
    s.Connect();
    s.Reply("-ERR go away\r\n");
    EXPECT_EQ(s.sent, (std::vector<std::string>{"quit\r\n"}));
    EXPECT_EQ(s.statusAtClose, (std::vector<std::string>{"Received -ERR from server :-ERR go away\r\n"}));
    EXPECT_EQ(s.client.State(), 0);
}

TEST(Pop3Client, MessagesSplitOverReadsAreCountedToTheirSizeThenDeleted) {
    ScriptedSession s;
    s.client.SetDeleteAfterRetrieval(true);
    s.LogIn("+OK 2 300\r\n");
    EXPECT_EQ(s.client.MessageCount(), 2);
    EXPECT_EQ(s.client.MailboxSize(), 300);
    EXPECT_EQ(s.sent.back(), "retr 1\r\n");
    const std::string first = "+OK 60 octets\r\n", body(30, 'x');
    s.Reply(first);
    s.Reply(body);
    EXPECT_EQ(s.sent.back(), "retr 1\r\n") << "15 + 30 bytes of 60";
    s.Reply(body);
    EXPECT_EQ(s.sent.back(), "retr 2\r\n");
    ASSERT_EQ(s.client.Messages().size(), 2u);
    EXPECT_EQ(s.client.Messages()[0].text, first + body + body);
    EXPECT_EQ(s.client.Messages()[0].announcedSize, 60);
    s.Reply("+OK 5\r\nhello\r\n.\r\n");
    EXPECT_EQ(s.sent.back(), "dele 1\r\n");
    s.Reply("+OK deleted\r\n");
    EXPECT_EQ(s.sent.back(), "dele 2\r\n");
    s.Reply("+OK deleted\r\n");
    EXPECT_EQ(s.notified.back(), kPop3Closed);
    EXPECT_EQ(s.notified[s.notified.size() - 2], kPop3SessionDone);
    EXPECT_EQ(s.statusAtClose.back(), Pop3Client::kDeletedAll);
    EXPECT_EQ(s.client.State(), 0);
}

TEST(Pop3Client, AnErrAtTheStartOfADataReadEndsTheSession) {
    ScriptedSession s;
    s.LogIn("+OK 1 100\r\n");
    s.Reply("+OK 100 octets\r\n");
    s.Reply("-ERR mailbox locked\r\n");
    EXPECT_EQ(s.statusAtClose.back(), "Received -ERR from server :-ERR mailbox locked\r\n");
    EXPECT_EQ(s.client.State(), 0);
}

TEST(Pop3Client, ACloseInsideANotificationThenANewConnectStartsFromTheGreeting) {
    ScriptedSession s;
    s.onNotify = [&](int code) {
        if (code == kPop3StatParsed) s.client.Close(); // as the mail alert kap does
    };
    s.LogIn("+OK 3 900\r\n");
    EXPECT_EQ(s.client.MessageCount(), 3);
    EXPECT_EQ(s.client.State(), 5) << "the step carried on after the close";
    EXPECT_EQ(s.sent.back(), "quit\r\n") << "the retr went nowhere";
    s.onNotify = nullptr;
    s.client.Close();
    s.sent.clear();
    s.Connect();
    s.Reply("+OK again\r\n");
    EXPECT_EQ(s.sent, (std::vector<std::string>{"user anna\r\n"}));
}

TEST(Pop3Client, AHostileServerCannotMakeTheClientGrowWithoutEnd) {
    ScriptedSession s;
    s.Connect();
    s.Reply(std::string(1 << 20, '+')); // one read of 1 MB, no CR LF
    EXPECT_EQ(s.client.ReceivedText().size(), kPop3ReadBytes);
    EXPECT_EQ(s.sent.back(), "user anna\r\n");
    s.Reply("+OK");
    s.Reply("+OK");
    s.Reply("+OK 1 999999999999");
    s.Reply("+OK 999999999999 octets");
    const std::string chunk(kPop3ReadBytes, 'z');
    for (int i = 0; i < 100; ++i) s.Reply(chunk); // about 2 MB of a message that never ends
    ASSERT_EQ(s.client.Messages().size(), 1u);
    EXPECT_EQ(s.client.Messages()[0].text.size(), kPop3KeptMessageBytes);
    EXPECT_GT(s.client.Messages()[0].receivedBytes, 1900000);
    s.client.OnReceive(10054, ""); // the connection drops
    EXPECT_EQ(s.statusAtClose.back(), Pop3Client::kReceiveError);
}

} // namespace
} // namespace vimo
