#pragma once
// The POP3 client (USER, PASS, STAT, RETR, DELE, QUIT) as a state machine, free of the platform. The
// socket layer hands it the socket's events and sends what it writes; the owner (the mail alert kap)
// hears numbered notifications. Everything runs on the window thread.
#include <string>
#include <vector>

#include "base/messages.h"

namespace vimo {

// What the client needs of its socket.
class Pop3Transport {
public:
    // False when the text could not be sent (a closed connection).
    virtual bool Send(const std::string& text) = 0;
    virtual void CloseSocket() = 0;

protected:
    ~Pop3Transport() = default;
};

class Pop3Owner {
public:
    virtual void OnPop3Notify(int code) = 0;

protected:
    ~Pop3Owner() = default;
};

// The most one read takes from the socket, and how much of a message's text is kept (its bytes are
// still counted).
constexpr std::size_t kPop3ReadBytes = 19999;
constexpr std::size_t kPop3KeptMessageBytes = 256 * 1024;

struct Pop3Message {
    std::string text; // what arrived of its RETR response, reply line included (at most kPop3KeptMessageBytes)
    long long announcedSize = 0; // the number after the first word of the RETR reply
    long long receivedBytes = 0;
};

class Pop3Client {
public:
    static constexpr const char* kNotConnected = "Not connected to server\r\n";
    static constexpr const char* kNoNewMessages = "No new messages\r\n";
    static constexpr const char* kSessionEnded = "Session ended\r\n";
    static constexpr const char* kDeletedAll = "Deleted all messages\r\n";
    static constexpr const char* kErrReceived = "Received -ERR from server :";
    static constexpr const char* kReceiveError = "Error while receiving!\r\n";

    explicit Pop3Client(Pop3Transport& transport) : transport_(transport) {}

    void SetOwner(Pop3Owner* owner) { owner_ = owner; }
    void SetLogin(const std::string& user, const std::string& password);
    void SetDeleteAfterRetrieval(bool on) { deleteAfterRetrieval_ = on; }

    // The socket's events (error 0: none).
    void OnAccept(int error);
    void OnConnect(int error);
    void OnReceive(int error, const std::string& data);
    void OnClose(int error);

    // Ends the session: "quit", notification 1, state 0, socket closed, status "Not connected".
    void Close();

    int State() const { return state_; }
    const std::string& StatusText() const { return status_; }
    const std::string& ReceivedText() const { return received_; }
    int MessageCount() const { return messageCount_; }
    long long MailboxSize() const { return mailboxSize_; }
    const std::vector<Pop3Message>& Messages() const { return messages_; }

private:
    void Notify(int code);
    void HandleReply();
    void Retrieve();
    void Delete();
    void Send(const std::string& command);

    Pop3Transport& transport_;
    Pop3Owner* owner_ = nullptr;
    std::string received_;
    std::string status_ = kNotConnected;
    int state_ = 0;
    std::string user_, password_;
    int messageCount_ = 0;
    long long mailboxSize_ = 0;
    int current_ = 0;
    std::vector<Pop3Message> messages_;
    bool deleteAfterRetrieval_ = false;
    int deleting_ = 0;
};

} // namespace vimo
