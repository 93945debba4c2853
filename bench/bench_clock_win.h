#pragma once
// The benchmarks' clock: milliseconds of the performance counter.
#include <windows.h>

namespace vimo::bench {

inline double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace vimo::bench
