#pragma once
// A small HTTP server on 127.0.0.1 for the tests of downloads: it answers the paths it is given
// with their status and body, streams without end on an endless path, and accepts but never answers
// on a silent path. It runs on its own threads and stops with its object.
#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vimo::testsupport {

class HttpServer {
public:
    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    bool Running() const { return listener_ != INVALID_SOCKET; }
    // "http://127.0.0.1:<port><path>"
    std::string Url(const std::string& path) const;
    void Serve(const std::string& path, int status, const std::string& body);
    void ServeEndless(const std::string& path);
    void ServeSilent(const std::string& path);
    // How many requests have arrived for a path.
    int Requests(const std::string& path) const;

private:
    struct Route {
        int status = 404;
        std::string body;
        enum Kind { Plain, Endless, Silent } kind = Plain;
    };
    void Accept();
    void Answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Route> routes_;
    std::map<std::string, int> requests_;
    std::vector<SOCKET> clients_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

} // namespace vimo::testsupport
