#include <time.h>

#include <thread>

#include "clone/CClock.h"

namespace ql {

std::int64_t CMonotonicClock::WholeSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec;
}

void CMonotonicClock::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace ql
