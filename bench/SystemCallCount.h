#pragma once

// The system calls this process makes on the paths of a clone exchange, counted by link-time
// wrappers (the benchmark program is linked with --wrap for each of them), and the times it
// went to sleep, from getrusage. The benchmark compares the figures before and after an
// exchange.

#include <sys/resource.h>

#include <cstdint>

namespace ql::bench {

struct SystemCalls {
    std::uint64_t reads = 0;
    std::uint64_t writes = 0;
    // poll and ppoll, ioctl, the line settings and flushes, the lock and the sleeps.
    std::uint64_t others = 0;
    // Voluntary context switches: every wait that actually slept.
    std::uint64_t wakeUps = 0;

    [[nodiscard]] std::uint64_t Total() const { return reads + writes + others; }
};

// The counts so far.
[[nodiscard]] SystemCalls CountedSystemCalls();

// What happened between two counts.
[[nodiscard]] inline SystemCalls operator-(const SystemCalls& after, const SystemCalls& before) {
    return {after.reads - before.reads, after.writes - before.writes, after.others - before.others,
            after.wakeUps - before.wakeUps};
}

}  // namespace ql::bench
