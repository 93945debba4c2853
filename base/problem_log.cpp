#include "base/problem_log.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace vimo {

namespace {

void WriteToStderr(const std::string& line) { std::fprintf(stderr, "VimoKap: %s\n", line.c_str()); }

std::mutex& SinkMutex() {
    static std::mutex mutex;
    return mutex;
}

ProblemSink& Sink() {
    static ProblemSink sink = WriteToStderr;
    return sink;
}

} // namespace

void LogProblem(const std::string& line) {
    std::lock_guard<std::mutex> lock(SinkMutex());
    if (Sink()) Sink()(line);
}

ProblemSink SetProblemSink(ProblemSink sink) {
    std::lock_guard<std::mutex> lock(SinkMutex());
    return std::exchange(Sink(), std::move(sink));
}

} // namespace vimo
