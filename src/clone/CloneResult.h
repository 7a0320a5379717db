#pragma once

#include <ostream>

namespace ql {

// The result of a clone command as the user sees it: the code the document reports by and
// the command-line tool's exit status. The numbers are part of that contract.
enum class CloneResult : int {
    kCompleted = 0,
    kCancelled = 1,
    // A protocol error or a time-out.
    kFailed = 77,
    // A write whose clone file lacks its header line.
    kBadCloneFile = 80,
    // The transceiver's model code or revision differs from the data set's.
    kModelMismatch = 85,
    // The transceiver's version or expansion differs from the initial setup's.
    kVersionMismatch = 90,
    kPortUnavailable = 91,
};

[[nodiscard]] constexpr int ResultCode(CloneResult result) {
    return static_cast<int>(result);
}

inline std::ostream& operator<<(std::ostream& out, CloneResult result) {
    return out << ResultCode(result);
}

}  // namespace ql
