#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "clone/CCloneLink.h"

namespace ql::sim {

// The bytes waiting to go onto the line. Paced, each byte takes the time that 9600 baud
// 8-N-1 needs for it (10 bits) and is handed over when its stop bit is through; the times
// follow one schedule, so a late wake-up never adds up over a transfer. Unpaced, bytes go
// out as fast as the device takes them.
class CPacedOutput {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kByteTime = CCloneLink::kByteTime;

    explicit CPacedOutput(bool paced) : paced_(paced) {}

    void Push(std::span<const std::uint8_t> bytes);
    // Writes every byte that is due to fd (non-blocking). False when fd failed for good.
    bool Pump(int fd);

    [[nodiscard]] bool Empty() const { return queue_.empty(); }
    // When the next byte is due; empty when nothing waits or the device is full.
    [[nodiscard]] std::optional<Clock::time_point> NextDue() const;
    // The device took no more bytes at the last try.
    [[nodiscard]] bool Blocked() const { return blocked_; }

  private:
    struct Pending {
        std::uint8_t byte;
        Clock::time_point due;
    };

    bool paced_;
    bool blocked_ = false;
    std::deque<Pending> queue_;
    Clock::time_point lineFree_{};
};

}  // namespace ql::sim
