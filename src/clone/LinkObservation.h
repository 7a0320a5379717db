#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ql {

// Whether the driver took the request for low latency at the open.
enum class LowLatency : std::uint8_t { kUnknown, kGranted, kRefused };

// What a serial line saw of its device: the errno of a failed open, of a failed read or
// write after it, and the low-latency answer.
struct PortObservation {
    int openError = 0;
    int ioError = 0;
    LowLatency lowLatency = LowLatency::kUnknown;
};

// What the clone link saw in its last exchange, the material of a failure's diagnosis.
struct LinkObservation {
    std::string device;
    PortObservation port;
    bool opened = false;
    std::size_t sent = 0;
    std::size_t received = 0;
    // Some bytes came back and every one was the echo of a byte sent (the cable hears
    // itself), so the transceiver said nothing.
    bool echoOnly = false;
};

}  // namespace ql
