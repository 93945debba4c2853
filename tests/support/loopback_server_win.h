#pragma once
// A TCP server on a loopback address for the tests' network peers: each connection is answered by the handler
// on a thread of its own; the server's end closes every connection and waits for the threads. A send
// the client takes nothing of for 10 s fails, so no handler outlives its client by long.
#include <winsock2.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vimo::testsupport {

class LoopbackServer {
public:
    // handler(client, stopping): answers one connection; stopping turns true when the server ends.
    using Handler = std::function<void(SOCKET client, const std::atomic<bool>& stopping)>;

    // Listens on host (a dotted loopback address) and port (0: any free port).
    explicit LoopbackServer(Handler handler, const char* host = "127.0.0.1", int port = 0);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool Running() const { return listener_ != INVALID_SOCKET; }
    int Port() const { return port_; }

    // Sends all of text; false when the connection is gone.
    static bool SendAll(SOCKET client, const std::string& text);
    // Reads up to and including the next CR LF (or what arrives before the connection ends).
    static std::string ReadLine(SOCKET client);

private:
    void Accept();

    Handler handler_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<SOCKET> clients_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

} // namespace vimo::testsupport
