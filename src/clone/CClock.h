#pragma once

#include <chrono>
#include <cstdint>

namespace ql {

// The clone link's sense of time: a clock in whole seconds for the time-out, a finer one
// that paces the progress display, and a sleep for the pauses of the protocol. Tests put a
// fake clock here, on which sleeping just advances the time.
class CClock {
  public:
    CClock() = default;
    CClock(const CClock&) = delete;
    CClock& operator=(const CClock&) = delete;
    virtual ~CClock() = default;

    [[nodiscard]] virtual std::int64_t WholeSeconds() = 0;
    // Time since some fixed point, for measuring intervals only.
    [[nodiscard]] virtual std::chrono::milliseconds Now() = 0;
    // The same time to the microsecond, on the same scale as WholeSeconds: the link computes
    // from it when the bytes it waits for are due and when the time-out falls.
    [[nodiscard]] virtual std::chrono::microseconds Precise() { return Now(); }
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// Whole seconds of the monotonic clock: setting the system clock back during an exchange
// cannot stretch its time-out.
class CMonotonicClock final : public CClock {
  public:
    [[nodiscard]] std::int64_t WholeSeconds() override;
    [[nodiscard]] std::chrono::milliseconds Now() override;
    [[nodiscard]] std::chrono::microseconds Precise() override;
    void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace ql
