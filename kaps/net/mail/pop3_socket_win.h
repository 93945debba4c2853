#pragma once
// The POP3 client on a stream socket whose events arrive as messages to a message-only window of the
// window thread (Windows Sockets' asynchronous selection). A session still open kSessionLimitMs after
// its connect is closed, whatever the server does, so every session ends within a bounded time.
#include <winsock2.h>

#include <string>

#include "kaps/net/mail/pop3_client.h"

namespace vimo {

class Pop3Socket : public Pop3Transport {
public:
    static constexpr UINT kSessionLimitMs = 60000;

    Pop3Socket();
    ~Pop3Socket();
    Pop3Socket(const Pop3Socket&) = delete;
    Pop3Socket& operator=(const Pop3Socket&) = delete;

    Pop3Client& Client() { return client_; }
    // A new stream socket with every event asked for; false when none could be made.
    bool Open();
    // Starts connecting to host (a dotted address or a name) and port; the result comes as the
    // client's connect event. False when it could not even start.
    bool Connect(const std::string& host, unsigned short port);
    void SetSessionLimit(UINT milliseconds) { limitMs_ = milliseconds; }

    // Pop3Transport
    bool Send(const std::string& text) override;
    void CloseSocket() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnSocketEvent(SOCKET socket, LPARAM event);
    void OnHostFound(int error);

    HWND window_ = nullptr;
    SOCKET socket_ = INVALID_SOCKET;
    HANDLE lookup_ = nullptr;
    std::string hostEntry_; // the lookup's answer buffer (MAXGETHOSTSTRUCT bytes)
    unsigned short port_ = 0;
    UINT limitMs_ = kSessionLimitMs;
    bool started_ = false;
    Pop3Client client_;
};

} // namespace vimo
