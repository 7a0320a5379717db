#pragma once

#include <optional>
#include <string>

namespace ql {
class CSettingsStore;
}

namespace ql::cli {

// The port of a --port option (or of diagnose's argument), or the stored port number. A
// device path given is opened as it is; the stored port number stays.
struct PortChoice {
    unsigned number = 1;
    std::string device;  // empty: the number's device

    // The device to open: the path given, else the numbered port's device.
    [[nodiscard]] std::string Device(const CSettingsStore& settings) const;
};

// "COM1" to "COM4" (in any letter case) name a port number; other "COM" numbers are wrong
// (empty, with error set), anything else is a device path.
[[nodiscard]] std::optional<PortChoice> ChoosePort(const CSettingsStore& settings,
                                                   const std::optional<std::string>& option,
                                                   std::string& error);

}  // namespace ql::cli
