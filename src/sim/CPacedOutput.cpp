#include "sim/CPacedOutput.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/RetryOnEintr.h"

namespace ql::sim {

void CPacedOutput::Push(std::span<const std::uint8_t> bytes) {
    const Clock::time_point now = Clock::now();
    // An idle line starts its next byte now.
    if (queue_.empty() && lineFree_ < now) lineFree_ = now;
    for (const std::uint8_t byte : bytes) {
        if (paced_) lineFree_ += kByteTime;
        queue_.push_back({byte, paced_ ? lineFree_ : now});
    }
}

std::optional<CPacedOutput::Clock::time_point> CPacedOutput::NextDue() const {
    if (queue_.empty() || blocked_) return std::nullopt;
    return queue_.front().due;
}

bool CPacedOutput::Pump(int fd) {
    const Clock::time_point now = Clock::now();
    std::vector<std::uint8_t> due;
    for (const Pending& pending : queue_) {
        if (pending.due > now) break;
        due.push_back(pending.byte);
    }
    blocked_ = false;
    if (due.empty()) return true;
    const ssize_t written = RetryOnEintr([&] { return ::write(fd, due.data(), due.size()); });
    if (written < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            blocked_ = true;
            return true;
        }
        return false;
    }
    queue_.erase(queue_.begin(), queue_.begin() + written);
    blocked_ = static_cast<std::size_t>(written) < due.size();
    return true;
}

}  // namespace ql::sim
