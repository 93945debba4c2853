#include "kaps/net/mail/pop3_socket_win.h"

#include <vector>

namespace vimo {

namespace {

constexpr const char* kWindowClass = "VimoPop3Socket";
constexpr UINT kSocketMessage = WM_APP + 1;
constexpr UINT kHostMessage = WM_APP + 2;
constexpr UINT_PTR kLimitTimer = 1;

void RegisterWindowClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kWindowClass, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
}

} // namespace

Pop3Socket::Pop3Socket() : client_(*this) {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    RegisterWindowClass(WindowProc);
    window_ =
        CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Pop3Socket::~Pop3Socket() {
    CloseSocket();
    if (window_) DestroyWindow(window_);
    if (started_) WSACleanup();
}

bool Pop3Socket::Open() {
    CloseSocket();
    socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket_ == INVALID_SOCKET) return false;
    const long events = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
    if (WSAAsyncSelect(socket_, window_, kSocketMessage, events) != 0) {
        CloseSocket();
        return false;
    }
    return true;
}

bool Pop3Socket::Connect(const std::string& host, unsigned short port) {
    if (socket_ == INVALID_SOCKET) return false;
    port_ = port;
    SetTimer(window_, kLimitTimer, limitMs_, nullptr);
    const unsigned long address = inet_addr(host.c_str());
    if (address != INADDR_NONE) {
        sockaddr_in to = {};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = address;
        const int result = connect(socket_, reinterpret_cast<sockaddr*>(&to), sizeof(to));
        return result == 0 || WSAGetLastError() == WSAEWOULDBLOCK;
    }
    // A name is looked up without holding up the window thread.
    hostEntry_.assign(MAXGETHOSTSTRUCT, '\0');
    lookup_ = WSAAsyncGetHostByName(window_, kHostMessage, host.c_str(), hostEntry_.data(), MAXGETHOSTSTRUCT);
    return lookup_ != nullptr;
}

void Pop3Socket::OnHostFound(int error) {
    lookup_ = nullptr;
    if (socket_ == INVALID_SOCKET) return;
    const auto* entry = reinterpret_cast<const hostent*>(hostEntry_.data());
    if (error != 0 || !entry->h_addr_list || !entry->h_addr_list[0]) {
        client_.OnConnect(error ? error : WSAHOST_NOT_FOUND);
        return;
    }
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr = *reinterpret_cast<const in_addr*>(entry->h_addr_list[0]);
    if (connect(socket_, reinterpret_cast<sockaddr*>(&to), sizeof(to)) != 0 && WSAGetLastError() != WSAEWOULDBLOCK)
        client_.OnConnect(WSAGetLastError());
}

bool Pop3Socket::Send(const std::string& text) {
    if (socket_ == INVALID_SOCKET) return false;
    return send(socket_, text.data(), static_cast<int>(text.size()), 0) == static_cast<int>(text.size());
}

void Pop3Socket::CloseSocket() {
    if (lookup_) {
        WSACancelAsyncRequest(lookup_);
        lookup_ = nullptr;
    }
    if (window_) KillTimer(window_, kLimitTimer);
    if (socket_ == INVALID_SOCKET) return;
    closesocket(socket_); // its events still queued are told apart by their socket and dropped
    socket_ = INVALID_SOCKET;
}

void Pop3Socket::OnSocketEvent(SOCKET socket, LPARAM event) {
    if (socket != socket_) return; // an earlier session's socket
    const int error = WSAGETSELECTERROR(event);
    switch (WSAGETSELECTEVENT(event)) {
    case FD_ACCEPT: client_.OnAccept(error); break;
    case FD_CONNECT: client_.OnConnect(error); break;
    case FD_READ: {
        if (error != 0) {
            client_.OnReceive(error, "");
            break;
        }
        std::vector<char> buffer(kPop3ReadBytes + 1);
        const int n = recv(socket_, buffer.data(), static_cast<int>(kPop3ReadBytes), 0);
        if (n > 0)
            client_.OnReceive(0, std::string(buffer.data(), static_cast<std::size_t>(n)));
        else if (n < 0 && WSAGetLastError() != WSAEWOULDBLOCK)
            client_.OnReceive(WSAGetLastError(), "");
        break;
    }
    case FD_CLOSE: client_.OnClose(error); break;
    default: break;
    }
}

LRESULT CALLBACK Pop3Socket::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Pop3Socket*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (msg) {
        case kSocketMessage: self->OnSocketEvent(static_cast<SOCKET>(wParam), lParam); return 0;
        case kHostMessage:
            if (reinterpret_cast<HANDLE>(wParam) == self->lookup_) self->OnHostFound(WSAGETASYNCERROR(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kLimitTimer) {
                KillTimer(hwnd, kLimitTimer);
                // The session took too long (a greeting that never came, a server that never stops).
                if (self->socket_ != INVALID_SOCKET) self->client_.Close();
            }
            return 0;
        default: break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace vimo
