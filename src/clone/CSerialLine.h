#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "clone/LinkObservation.h"

namespace ql {

// How a wait on the line ended: a byte may be read, the wake descriptor turned readable
// (a byte may be there as well), or the time ran out.
enum class LineWait : std::uint8_t { kReadable, kWoken, kTimedOut };

// What the clone link needs of a serial line: open a device exclusively in the clone
// line configuration, write, read what has already arrived, wait until something arrives,
// close; and to sleep without looking at the line while bytes arrive. CComPort is the real one;
// tests put other lines behind the same interface.
class CSerialLine {
  public:
    // Nothing is moved by one Read beyond this many bytes.
    static constexpr std::size_t kMaxRead = 256;

    CSerialLine() = default;
    CSerialLine(const CSerialLine&) = delete;
    CSerialLine& operator=(const CSerialLine&) = delete;
    virtual ~CSerialLine() = default;

    // True when the line is open afterwards; a line that is open already stays as it is.
    virtual bool Open(std::string_view device, unsigned baud) = 0;
    // Discards both directions and closes; nothing happens on a closed line.
    virtual void Close() = 0;
    [[nodiscard]] virtual bool IsOpen() const = 0;

    // Blocks until every byte has been handed over; false on failure.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Reads bytes that have already arrived, at most buffer.size() and kMaxRead, without
    // waiting. True when bytes were read (count tells how many); count is untouched
    // otherwise.
    virtual bool Read(std::span<std::uint8_t> buffer, std::size_t& count) = 0;
    // Waits until the output has been transmitted.
    virtual bool Flush() = 0;
    // Waits at most timeout for a byte to arrive, or until wake (a descriptor; -1 for none)
    // turns readable.
    virtual LineWait Await(std::chrono::microseconds timeout, int wake) = 0;
    // Sleeps for duration without looking at the line: bytes that arrive meanwhile wait in
    // the driver and wake nothing. Ends early when wake (-1 for none) turns readable; true
    // when it did.
    virtual bool Rest(std::chrono::microseconds duration, int wake) = 0;
    // Waits at most timeout for a byte to arrive; true when one may be read.
    bool WaitReadable(std::chrono::microseconds timeout) {
        return Await(timeout, -1) == LineWait::kReadable;
    }

    // The last failure as one line naming the device and the cause; empty when none.
    [[nodiscard]] virtual std::string LastFailure() const = 0;
    // What the line saw of its device since the last Open began; nothing by default.
    [[nodiscard]] virtual PortObservation Observed() const { return {}; }
};

}  // namespace ql
