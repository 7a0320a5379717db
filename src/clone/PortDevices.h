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
// The device path of port number n: "CommPort" "Device<n>" of the settings, else the
// default device. Every opener of a numbered port resolves it here, so the window program
// and the command line open the same device for the same number.
[[nodiscard]] std::string ResolvePort(const CSettingsStore& settings, unsigned number);
// Whether any port number has a device of its own in the settings.
[[nodiscard]] bool AnyDeviceStored(const CSettingsStore& settings);
// The stored port number ("CommPort" "PortNumber"), 1 when missing or out of range.
[[nodiscard]] unsigned StoredPortNumber(const CSettingsStore& settings);

}  // namespace ql
