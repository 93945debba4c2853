#pragma once
// The mail tests' POP3 server: a private Dovecot that the test run starts on 127.0.0.1 port 110
// (scripts/pop3-peer.sh). A test takes a user of its own, rebuilds that user's mailbox through the
// file system and reads what the server did from its log.
#include <string>

namespace vimo::testsupport {

class Pop3Peer {
public:
    static constexpr const char* kHost = "127.0.0.1";
    static constexpr const char* kPassword = "secret";

    // user: one of the server's users (alice, bob, carol, dave, erin), one per test. Its mailbox
    // starts empty.
    explicit Pop3Peer(std::string user);

    // True when the server's folder is there (the run started the server).
    bool Present() const;
    // The mailbox then holds exactly `count` messages.
    void SetMessages(int count) const;
    // Sessions of the user that logged in and out, and logins the server refused.
    int Logouts() const;
    int FailedLogins() const;
    const std::string& User() const { return user_; }

private:
    int CountLogLines(const std::string& first, const std::string& second) const;

    std::string user_;
    std::string dir_;     // the server's folder
    std::string maildir_; // the user's Maildir
};

} // namespace vimo::testsupport
