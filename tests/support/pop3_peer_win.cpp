#include "support/pop3_peer_win.h"

#include <windows.h>

#include <fstream>

#include "e2e/driver/vimo_driver.h"

namespace vimo::testsupport {

namespace {

void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

} // namespace

Pop3Peer::Pop3Peer(std::string user)
    : user_(std::move(user)), dir_(e2e::WindowsPath(VIMO_POP3_PEER_DIR)),
      maildir_(dir_ + "\\home\\" + user_ + "\\Maildir") {
    SetMessages(0);
}

bool Pop3Peer::Present() const {
    return GetFileAttributesA((dir_ + "\\dovecot.conf").c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Pop3Peer::SetMessages(int count) const {
    for (const char* sub : {"\\new", "\\cur", "\\tmp"}) EmptyFolder(maildir_ + sub);
    // Written into tmp\ and moved into new\, as a delivery does, so the server never sees half a message.
    for (int i = 0; i < count; ++i) {
        const std::string name = std::to_string(GetTickCount()) + "." + std::to_string(i) + ".vimotest";
        std::ofstream(maildir_ + "\\tmp\\" + name, std::ios::binary)
            << "From: sender@example.org\r\nTo: " << user_ << "@example.org\r\nSubject: Message " << i + 1
            << "\r\n\r\nHello number " << i + 1 << ".\r\n";
        MoveFileA((maildir_ + "\\tmp\\" + name).c_str(), (maildir_ + "\\new\\" + name).c_str());
    }
}

int Pop3Peer::CountLogLines(const std::string& first, const std::string& second) const {
    std::ifstream log(dir_ + "\\dovecot.log", std::ios::binary);
    int count = 0;
    for (std::string line; std::getline(log, line);)
        if (line.find(first) != std::string::npos && line.find(second) != std::string::npos) ++count;
    return count;
}

int Pop3Peer::Logouts() const { return CountLogLines("pop3(" + user_ + ")", "Disconnected"); }

int Pop3Peer::FailedLogins() const { return CountLogLines("auth failed", "user=<" + user_ + ">"); }

} // namespace vimo::testsupport
