#include "support/loopback_server_win.h"

namespace vimo::testsupport {

LoopbackServer::LoopbackServer(Handler handler, const char* host, int port) : handler_(std::move(handler)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr(host);
    address.sin_port = htons(static_cast<unsigned short>(port));
    int length = sizeof(address);
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener_, 16) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { Accept(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (acceptor_.joinable()) acceptor_.join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (SOCKET client : clients_) closesocket(client); // ends handlers that wait for the client
    }
    for (std::thread& t : threads_) t.join();
    WSACleanup();
}

void LoopbackServer::Accept() {
    for (;;) {
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return; // the listener was closed
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            closesocket(client);
            return;
        }
        // Closing a socket here does not end a send blocked on it, so a handler sending to a client that
        // stopped reading would hold up the server's end: such a send fails after a while instead.
        const DWORD sendLimitMs = 10000;
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendLimitMs), sizeof(sendLimitMs));
        clients_.push_back(client);
        threads_.emplace_back([this, client] { handler_(client, stopping_); });
    }
}

bool LoopbackServer::SendAll(SOCKET client, const std::string& text) {
    return send(client, text.data(), static_cast<int>(text.size()), 0) == static_cast<int>(text.size());
}

std::string LoopbackServer::ReadLine(SOCKET client) {
    std::string line;
    char c = 0;
    while (recv(client, &c, 1, 0) == 1) {
        line += c;
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) break;
    }
    return line;
}

} // namespace vimo::testsupport
