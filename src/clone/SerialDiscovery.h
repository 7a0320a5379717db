#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ql {

// Where the kernel shows its devices and processes; the tests point these at trees of their
// own.
struct SystemRoots {
    std::filesystem::path sys{"/sys"};
    std::filesystem::path dev{"/dev"};
    std::filesystem::path proc{"/proc"};
};

// A serial device as the kernel describes it. Every text is printable ASCII; a field the
// kernel does not give stays empty.
struct SerialDevice {
    std::string name;            // "ttyUSB0"
    std::filesystem::path path;  // "/dev/ttyUSB0"
    std::filesystem::path byId;  // the stable "/dev/serial/by-id/..." link to it, if any
    std::string driver;          // "ftdi_sio", "cp210x", "pl2303", "ch341", "cdc_acm", "serial8250"
    std::string vendorId;        // USB ids as four hexadecimal digits, "0403"
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::optional<int> latencyTimerMs;  // an FTDI adapter's latency timer
};

// The serial devices of the system, by name: each tty of the class that has a device behind
// it, without the platform ports that have no UART (type 0).
[[nodiscard]] std::vector<SerialDevice> DiscoverSerialDevices(const SystemRoots& roots = {});

// The device of the list that path names, directly or through links (a by-id name).
[[nodiscard]] std::optional<SerialDevice> FindSerialDevice(const std::vector<SerialDevice>& devices,
                                                           const std::filesystem::path& path);

// One line for a menu: "ttyUSB0, FT232R USB UART", or only the name when there is no product.
[[nodiscard]] std::string DescribeSerialDevice(const SerialDevice& device);

// The name to store for a port: the stable by-id name when there is one (it survives
// replugging), else the device path.
[[nodiscard]] std::string StableName(const SerialDevice& device);

// The one USB serial adapter of the list, when there is exactly one.
[[nodiscard]] std::optional<SerialDevice> SoleUsbAdapter(const std::vector<SerialDevice>& devices);

// "0403:6001", or "-" without USB ids.
[[nodiscard]] std::string UsbIds(const SerialDevice& device);

}  // namespace ql
