#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ql {

// A process that has a device open.
struct DeviceHolder {
    int pid = 0;
    std::string program;  // its command name, printable
};

struct HolderSearch {
    std::vector<DeviceHolder> holders;
    // False when the open files of some process could not be looked at (another user's,
    // without privileges): a holder may then be hidden.
    bool complete = true;
};

// The other processes that have the character device open, by the descriptors under
// procRoot ("/proc"); this process is left out. Nothing for a path that is no character
// device.
[[nodiscard]] HolderSearch FindDeviceHolders(const std::filesystem::path& device,
                                             const std::filesystem::path& procRoot = "/proc");

// "sleep (pid 4242)", several joined by ", ".
[[nodiscard]] std::string DescribeHolders(const std::vector<DeviceHolder>& holders);

}  // namespace ql
