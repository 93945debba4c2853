#pragma once
// Watches a running program while a test provokes it: how long its windows take to answer a
// message, whether they all answered, and the most memory the program has held.
#include <windows.h>

#include <vector>

namespace vimo::testsupport {

class ProcessWatch {
public:
    explicit ProcessWatch(DWORD processId);
    ~ProcessWatch();
    ProcessWatch(const ProcessWatch&) = delete;
    ProcessWatch& operator=(const ProcessWatch&) = delete;

    // Sends each window a message (waiting at most answerLimitMs) and reads the memory once.
    void Sample(const std::vector<HWND>& windows, DWORD answerLimitMs = 2000);

    DWORD SlowestAnswerMs() const { return slowest_; }
    bool AllAnswered() const { return allAnswered_; }
    SIZE_T PeakBytes() const { return peak_; }

private:
    HANDLE process_ = nullptr;
    DWORD slowest_ = 0;
    bool allAnswered_ = true;
    SIZE_T peak_ = 0;
};

} // namespace vimo::testsupport
