#include <time.h>

#include <thread>

#include "clone/CClock.h"

namespace ql {

std::int64_t CMonotonicClock::WholeSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec;
}

std::chrono::milliseconds CMonotonicClock::Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void CMonotonicClock::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace ql
