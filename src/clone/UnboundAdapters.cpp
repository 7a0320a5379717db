#include "clone/UnboundAdapters.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "clone/OutsideText.h"

namespace ql {

namespace fs = std::filesystem;

namespace {

// The makers of the common USB serial converter chips: FTDI, Silicon Labs, Prolific, WCH.
constexpr std::array<std::string_view, 4> kAdapterVendors{"0403", "10c4", "067b", "1a86"};

bool HasTty(const fs::path& interface) {
    std::error_code error;
    for (fs::recursive_directory_iterator it(interface, error), end; !error && it != end;
         it.increment(error)) {
        if (it.depth() > 2) it.disable_recursion_pending();
        const std::string name = it->path().filename().string();
        if (name.starts_with("tty")) return true;
    }
    return false;
}

}  // namespace

std::vector<SerialDevice> FindUnboundAdapters(const SystemRoots& roots) {
    std::vector<SerialDevice> adapters;
    std::error_code error;
    // Interfaces are named "bus-port:config.interface".
    for (fs::directory_iterator it(roots.sys / "bus" / "usb" / "devices", error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.find(':') == std::string::npos) continue;
        const std::string driver = LinkTargetName(it->path() / "driver");
        if (!driver.empty() && driver != "usbfs") continue;
        std::error_code resolveError;
        const fs::path usb = fs::canonical(it->path(), resolveError).parent_path();
        if (resolveError) continue;
        const std::string vendor = ReadSmallFile(usb / "idVendor", 16).value_or("");
        if (std::find(kAdapterVendors.begin(), kAdapterVendors.end(), vendor) ==
                kAdapterVendors.end() ||
            HasTty(it->path())) {
            continue;
        }
        SerialDevice adapter;
        adapter.name = PrintableText(name);
        adapter.driver = driver;
        adapter.vendorId = vendor;
        adapter.productId = ReadSmallFile(usb / "idProduct", 16).value_or("");
        adapter.manufacturer = ReadSmallFile(usb / "manufacturer").value_or("");
        adapter.product = ReadSmallFile(usb / "product").value_or("");
        adapters.push_back(std::move(adapter));
    }
    std::sort(adapters.begin(), adapters.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.name < b.name; });
    return adapters;
}

}  // namespace ql
