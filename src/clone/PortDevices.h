#pragma once

#include <string>

namespace ql {

class CSettingsStore;

// The serial ports 1 to 4 of the settings ("COM1" to "COM4") are device paths: section
// "CommPort", key "Device<n>", by default /dev/ttyUSB0, /dev/ttyUSB1, /dev/ttyS0 and
// /dev/ttyS1.
inline constexpr unsigned kPortCount = 4;

// The default device of port number n (port 1's for a number outside 1 to 4).
[[nodiscard]] std::string DefaultPortDevice(unsigned number);
// The device of port number n as the settings name it.
[[nodiscard]] std::string PortDevice(const CSettingsStore& settings, unsigned number);
// The stored port number ("CommPort" "PortNumber"), 1 when missing or out of range.
[[nodiscard]] unsigned StoredPortNumber(const CSettingsStore& settings);

}  // namespace ql
