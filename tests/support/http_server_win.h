#pragma once
// A small HTTP server on 127.0.0.1 for the tests of downloads: it answers the paths it is given
// with their status and body, streams without end on an endless path, and accepts but never answers
// on a silent path. It runs on its own threads and stops with its object.
#include <winsock2.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "support/loopback_server_win.h"

namespace vimo::testsupport {

class HttpServer {
public:
    HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    bool Running() const { return server_.Running(); }
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
    void Answer(SOCKET client, const std::atomic<bool>& stopping);

    mutable std::mutex mutex_;
    std::map<std::string, Route> routes_;
    std::map<std::string, int> requests_;
    LoopbackServer server_; // last: it ends (and waits for its answers) before the routes go
};

} // namespace vimo::testsupport
