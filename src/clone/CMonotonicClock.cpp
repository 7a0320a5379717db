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
    return std::chrono::duration_cast<std::chrono::milliseconds>(Precise());
}

std::chrono::microseconds CMonotonicClock::Precise() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::duration_cast<std::chrono::microseconds>(
                                                  std::chrono::nanoseconds(now.tv_nsec));
}

void CMonotonicClock::Sleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace ql
