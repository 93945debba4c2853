#include "support/http_server_win.h"

namespace vimo::testsupport {

HttpServer::HttpServer()
    : server_([this](SOCKET client, const std::atomic<bool>& stopping) { Answer(client, stopping); }) {}

std::string HttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(server_.Port()) + path;
}

void HttpServer::Serve(const std::string& path, int status, const std::string& body) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = Route{status, body, Route::Plain};
}

void HttpServer::ServeEndless(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = Route{200, {}, Route::Endless};
}

void HttpServer::ServeSilent(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = Route{200, {}, Route::Silent};
}

int HttpServer::Requests(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = requests_.find(path);
    return it == requests_.end() ? 0 : it->second;
}

void HttpServer::Answer(SOCKET client, const std::atomic<bool>& stopping) {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) return;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    Route route;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++requests_[path];
        auto it = routes_.find(path);
        if (it != routes_.end()) route = it->second;
    }
    const auto sendAll = [client](const std::string& text) { return LoopbackServer::SendAll(client, text); };
    switch (route.kind) {
    case Route::Silent:
        recv(client, buffer, sizeof(buffer), 0); // until the client or the server's end closes it
        return;
    case Route::Endless: {
        if (!sendAll("HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n<rss><channel>")) return;
        const std::string chunk(64 * 1024, ' ');
        while (!stopping && sendAll(chunk)) {}
        return;
    }
    case Route::Plain:
        sendAll("HTTP/1.0 " + std::to_string(route.status) + " Status\r\nContent-Type: text/xml\r\nContent-Length: " +
                std::to_string(route.body.size()) + "\r\nConnection: close\r\n\r\n" + route.body);
        shutdown(client, SD_SEND);
        return;
    }
}

} // namespace vimo::testsupport
