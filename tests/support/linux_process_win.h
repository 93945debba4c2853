#pragma once
// Under Wine a Windows program is a Linux process: its /proc entry (seen through the Z: drive) tells
// how often its threads woke up and how much processor time they used.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace vimo::testsupport {

// The /proc folder ("Z:\proc\<pid>\") of the process whose command line holds exePath (Wine shows
// the Windows path of the executable there), or empty.
inline std::string ProcFolderOf(const std::string& exePath) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    std::string folder;
    do {
        const std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream cmdline("Z:\\proc\\" + pid + "\\cmdline", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        std::replace(text.begin(), text.end(), '\0', ' ');
        if (text.find(exePath) != std::string::npos) {
            folder = "Z:\\proc\\" + pid + "\\";
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return folder;
}

// Context switches of all the process's threads, or -1.
inline long long ContextSwitches(const std::string& procFolder) {
    if (procFolder.empty()) return -1;
    long long total = 0;
    WIN32_FIND_DATAA task = {};
    const std::string tasks = procFolder + "task\\";
    HANDLE search = FindFirstFileA((tasks + "*").c_str(), &task);
    if (search == INVALID_HANDLE_VALUE) return -1;
    do {
        std::ifstream status(tasks + task.cFileName + "\\status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::stoll(line.substr(line.find(':') + 1));
    } while (FindNextFileA(search, &task));
    FindClose(search);
    return total;
}

// User and system processor time of the process in milliseconds, or -1.
inline long long CpuMilliseconds(const std::string& procFolder) {
    if (procFolder.empty()) return -1;
    std::ifstream stat(procFolder + "stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind(')'); // the command name may hold spaces
    if (end == std::string::npos) return -1;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stoll(field);
        if (i == 15) {
            stime = std::stoll(field);
            return (utime + stime) * 10; // clock ticks of 10 ms
        }
    }
    return -1;
}

// A "Name:  value" line of the process's status file (VmRSS, RssAnon in kB; Threads), or -1.
inline long long StatusValue(const std::string& procFolder, const std::string& name) {
    if (procFolder.empty()) return -1;
    std::ifstream status(procFolder + "status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ":", 0) == 0) return std::stoll(line.substr(name.size() + 1));
    return -1;
}

// Open file descriptors of the process (its files, sockets and the server's handles it holds), or -1.
inline long long OpenFileCount(const std::string& procFolder) {
    if (procFolder.empty()) return -1;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((procFolder + "fd\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    long long count = 0;
    do count += found.cFileName[0] != '.';
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

} // namespace vimo::testsupport
