#pragma once

#include <chrono>

namespace ql {

// Waits at most timeout until fd takes more output; true when it does. A write that failed
// with EAGAIN (a descriptor that is, or became, non-blocking) waits here before it tries
// again, rather than failing or spinning.
[[nodiscard]] bool WaitWritable(int fd, std::chrono::milliseconds timeout);

// fsync, run again while a signal interrupts it. Returns 0 or an errno value.
[[nodiscard]] int SyncToDisk(int fd);

}  // namespace ql
