#pragma once

#include <cerrno>
#include <utility>

namespace ql {

// Runs a system call again while it fails with EINTR, so a signal that arrives during a
// call never turns into a failure. The one place where interrupted calls are retried.
template <typename Call>
auto RetryOnEintr(Call&& call) {
    for (;;) {
        auto result = std::forward<Call>(call)();
        if (result != -1 || errno != EINTR) return result;
    }
}

}  // namespace ql
