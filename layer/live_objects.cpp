#include "layer/live_objects.h"

#include <atomic>

namespace vimo {

namespace {
std::atomic<long>& Counter(LiveKind kind) {
    static std::atomic<long> counters[2];
    return counters[kind == LiveKind::Gdi ? 0 : 1];
}
} // namespace

void CountLive(LiveKind kind, long delta) { Counter(kind).fetch_add(delta, std::memory_order_relaxed); }

long LiveCount(LiveKind kind) { return Counter(kind).load(std::memory_order_relaxed); }

} // namespace vimo
