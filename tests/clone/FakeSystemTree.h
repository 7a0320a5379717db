#pragma once

// A /sys, /dev and /proc of a test's own in a temporary folder, with the links laid out as
// the kernel lays them out (relative, through /sys/devices), for discovery and diagnosis.

#include <filesystem>
#include <string>

#include "clone/SerialDiscovery.h"

namespace ql::test {

class FakeSystemTree {
  public:
    explicit FakeSystemTree(const std::filesystem::path& root);

    [[nodiscard]] const SystemRoots& Roots() const { return roots_; }

    // A USB device below the host controller ("1-1") with its ids and strings.
    std::filesystem::path AddUsbDevice(const std::string& port, const std::string& vendor,
                                       const std::string& product, const std::string& maker,
                                       const std::string& name);
    // An interface "PORT:1.0" of a USB device bound to driver (none when empty).
    std::filesystem::path AddInterface(const std::filesystem::path& usb, const std::string& driver);
    // A tty of class tty whose device is deviceFolder, and its /dev node (a plain file).
    void AddTty(const std::string& name, const std::filesystem::path& deviceFolder);
    // A USB serial converter's port below an interface ("ttyUSB0" with its own driver link).
    std::filesystem::path AddConverterPort(const std::filesystem::path& interface,
                                           const std::string& name, const std::string& driver);
    // A platform serial port of the 8250 driver with the UART type given.
    void AddPlatformPort(const std::string& name, int uartType);
    // A virtual terminal: no device link.
    void AddVirtualTty(const std::string& name);
    // /dev/serial/by-id/NAME pointing at ../../TARGET (which need not exist).
    void AddById(const std::string& name, const std::string& target);

    static void WriteText(const std::filesystem::path& file, const std::string& text);
    // A relative symbolic link at link to target, as sysfs makes them.
    static void Link(const std::filesystem::path& target, const std::filesystem::path& link);

  private:
    std::filesystem::path Driver(const std::string& bus, const std::string& name);

    SystemRoots roots_;
    std::filesystem::path usbRoot_;
};

}  // namespace ql::test
