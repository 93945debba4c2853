#include "kaps/net/mail/pop3_client.h"

#include <sstream>

namespace vimo {

namespace {

const char kCrLf[] = "\r\n";

std::string FirstWord(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    words >> word;
    return word;
}

} // namespace

void Pop3Client::SetLogin(const std::string& user, const std::string& password) {
    user_ = user;
    password_ = password;
}

void Pop3Client::Notify(int code) {
    if (owner_) owner_->OnPop3Notify(code);
}

void Pop3Client::Send(const std::string& command) { transport_.Send(command + kCrLf); }

void Pop3Client::OnAccept(int error) {
    if (error == 0) Notify(kPop3Accepted);
}

void Pop3Client::OnConnect(int error) {
    if (error == 0) Notify(kPop3Connected);
}

void Pop3Client::OnClose(int error) {
    if (error == 0) Notify(kPop3Closed);
}

void Pop3Client::OnReceive(int error, const std::string& data) {
    if (error != 0) {
        status_ = kReceiveError;
        Notify(kPop3Closed);
        return;
    }
    received_ = data.size() <= kPop3ReadBytes ? data : data.substr(0, kPop3ReadBytes);
    HandleReply();
}

void Pop3Client::Close() {
    transport_.Send(std::string("quit") + kCrLf); // fails quietly on a connection already gone
    Notify(kPop3Closed);
    state_ = 0;
    transport_.CloseSocket();
    status_ = kNotConnected;
}

void Pop3Client::HandleReply() {
    if (FirstWord(received_) == "-ERR") {
        status_ = kErrReceived + received_;
        Close();
        return;
    }
    switch (state_) {
    case 0:
        messages_.clear();
        Notify(kPop3Progress);
        Send("user " + user_);
        state_ = 1;
        break;
    case 1:
        Notify(kPop3Progress);
        Send("pass " + password_);
        state_ = 2;
        break;
    case 2:
        Notify(kPop3Progress);
        Send("stat");
        state_ = 3;
        break;
    case 3: {
        std::istringstream reply(received_);
        std::string word;
        int count = 0;
        long long size = 0;
        if (reply >> word >> count >> size) {
            messageCount_ = count;
            mailboxSize_ = size;
        }
        Notify(kPop3StatParsed);
        Notify(kPop3AfterStat);
        if (messageCount_ <= 0) {
            status_ = kNoNewMessages;
            Close();
        } else {
            // Carried on even when the owner closed the session during a notification: the send then
            // fails, and the owner's Close before its next connect sets the state back to 0.
            state_ = 5;
            Send("retr 1");
            current_ = 1;
            messages_.push_back(Pop3Message{});
        }
        break;
    }
    case 5: Retrieve(); break;
    case 7: Delete(); break;
    default: Notify(kPop3Progress); break; // 4, 6, 8 and above
    }
}

void Pop3Client::Retrieve() {
    if (messages_.empty()) messages_.push_back(Pop3Message{});
    Pop3Message& entry = messages_.back();
    if (entry.announcedSize == 0) {
        std::istringstream reply(received_);
        std::string word;
        long long size = 0;
        if (reply >> word >> size) entry.announcedSize = size;
    }
    // Everything is counted; only the first kPop3KeptMessageBytes are kept, so a server that never
    // stops cannot make the client grow without end.
    if (entry.text.size() < kPop3KeptMessageBytes)
        entry.text += received_.substr(0, kPop3KeptMessageBytes - entry.text.size());
    entry.receivedBytes += static_cast<long long>(received_.size());
    if (entry.receivedBytes < entry.announcedSize) return;
    if (current_ < messageCount_) {
        messages_.push_back(Pop3Message{});
        ++current_;
        Send("retr " + std::to_string(current_));
        return;
    }
    if (deleteAfterRetrieval_ && messageCount_ > 0) {
        state_ = 7;
        deleting_ = 1;
        Send("dele 1");
        return;
    }
    state_ = 6;
    Notify(kPop3SessionDone);
    status_ = kSessionEnded;
    Send("quit");
    Close();
}

void Pop3Client::Delete() {
    if (deleting_ < messageCount_) {
        ++deleting_;
        Send("dele " + std::to_string(deleting_));
        return;
    }
    Notify(kPop3SessionDone);
    state_ = 8;
    status_ = kDeletedAll;
    Send("quit");
    Close();
}

} // namespace vimo
