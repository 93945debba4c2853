// The POP3 client against a hostile server. The first byte chooses whether messages are deleted after
// retrieval and whether the owner logs out once it has the message count (as the mail alert does); the
// rest is the server's replies, one read each, separated by NUL bytes. An empty read is a dropped
// connection. A reply on a closed connection comes after the owner's next connect. Whatever the replies,
// the client keeps its state, its messages and what it keeps of them within bounds.
#include <algorithm>

#include "fuzz/fuzz_check.h"
#include "kaps/net/mail/pop3_client.h"

namespace vimo::fuzz {
namespace {

class Session : public Pop3Transport, public Pop3Owner {
public:
    Session(bool deleteAfterRetrieval, bool logOutAfterStat) : logOutAfterStat_(logOutAfterStat), client_(*this) {
        client_.SetOwner(this);
        client_.SetLogin("anna", "secret");
        client_.SetDeleteAfterRetrieval(deleteAfterRetrieval);
    }

    bool Send(const std::string&) override { return open_; }
    void CloseSocket() override { open_ = false; }
    void OnPop3Notify(int code) override {
        if (code == kPop3StatParsed && logOutAfterStat_) client_.Close();
    }

    void Read(const std::string& reply) {
        if (!open_) {
            client_.Close();
            open_ = true;
            client_.OnConnect(0);
        }
        if (reply.empty()) {
            client_.OnReceive(10054, reply);
            client_.OnClose(0);
            open_ = false;
        } else {
            client_.OnReceive(0, reply);
        }
        Check();
    }

private:
    void Check() const {
        Require(client_.State() >= 0 && client_.State() <= 8, "a state of the session");
        Require(!client_.StatusText().empty(), "a status to show");
        Require(client_.ReceivedText().size() <= kPop3ReadBytes, "no more of a read than one read takes");
        const std::vector<Pop3Message>& messages = client_.Messages();
        Require(messages.size() <= static_cast<std::size_t>(std::max(client_.MessageCount(), 1)),
                "no more messages than the mailbox holds");
        for (const Pop3Message& message : messages) {
            Require(message.text.size() <= kPop3KeptMessageBytes, "no more of a message kept than its limit");
            Require(message.receivedBytes >= static_cast<long long>(message.text.size()),
                    "every kept byte was received");
        }
    }

    bool open_ = false;
    bool logOutAfterStat_;
    Pop3Client client_;
};

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo::fuzz;
    if (size == 0) return 0;
    Session session((data[0] & 1) != 0, (data[0] & 2) != 0);
    for (const std::string& reply : Fields(Text(data + 1, size - 1), '\0')) session.Read(reply);
    return 0;
}
