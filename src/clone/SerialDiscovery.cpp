#include "clone/SerialDiscovery.h"

#include <algorithm>
#include <system_error>

#include "clone/OutsideText.h"

namespace ql {

namespace fs = std::filesystem;

namespace {

// Kernel device names are made of these; anything else is not looked at.
bool IsDeviceName(const std::string& name) {
    return !name.empty() && name.size() <= 64 && name[0] != '.' &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-' || c == '.';
           });
}

fs::path Canonical(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    return error ? fs::path() : resolved;
}

bool IsWithin(const fs::path& path, const fs::path& root) {
    auto [end, unused] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return end == root.end();
}

// The USB device above a device folder: the nearest folder up to sysRoot with an idVendor.
fs::path UsbAncestor(fs::path folder, const fs::path& sysRoot) {
    std::error_code error;
    while (!folder.empty() && folder != sysRoot && IsWithin(folder, sysRoot)) {
        if (fs::exists(folder / "idVendor", error)) return folder;
        const fs::path up = folder.parent_path();
        if (up == folder) break;
        folder = up;
    }
    return {};
}

void ReadUsbIdentity(SerialDevice& device, const fs::path& usb) {
    device.vendorId = ReadSmallFile(usb / "idVendor", 16).value_or("");
    device.productId = ReadSmallFile(usb / "idProduct", 16).value_or("");
    device.manufacturer = ReadSmallFile(usb / "manufacturer").value_or("");
    device.product = ReadSmallFile(usb / "product").value_or("");
}

std::optional<int> ReadLatency(const fs::path& file) {
    const std::optional<std::string> text = ReadSmallFile(file, 16);
    if (!text || text->empty() || text->size() > 4 ||
        text->find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(*text);
}

// The by-id links of the system, each with what it points at (dangling ones left out).
std::vector<std::pair<fs::path, fs::path>> ByIdLinks(const fs::path& devRoot) {
    std::vector<std::pair<fs::path, fs::path>> links;
    std::error_code error;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", error), end; !error && it != end;
         it.increment(error)) {
        if (!IsDeviceName(it->path().filename().string())) continue;
        if (fs::path target = Canonical(it->path()); !target.empty()) {
            links.emplace_back(it->path(), std::move(target));
        }
    }
    std::sort(links.begin(), links.end());
    return links;
}

std::optional<SerialDevice> ReadDevice(const fs::path& classEntry, const SystemRoots& roots,
                                       const fs::path& sysRoot) {
    const std::string name = classEntry.filename().string();
    const fs::path deviceFolder = Canonical(classEntry / "device");
    if (deviceFolder.empty()) return std::nullopt;  // a virtual terminal, no hardware
    // A platform port the kernel always creates, whether or not a UART answers there.
    if (const std::optional<std::string> type = ReadSmallFile(classEntry / "type", 16);
        type && *type == "0") {
        return std::nullopt;
    }
    SerialDevice device;
    device.name = name;
    device.path = roots.dev / name;
    // A USB serial converter's port has the driver; a CDC ACM device's tty hangs off the
    // interface, which has it. Newer kernels put a built-in port's tty below two devices of
    // their own serial core (drivers "port" and "ctrl"): the real driver is above those.
    fs::path holder = deviceFolder;
    device.driver = LinkTargetName(holder / "driver");
    if (device.driver.empty()) {
        holder = holder.parent_path();
        device.driver = LinkTargetName(holder / "driver");
    }
    for (int level = 0; level < 2 && (device.driver == "port" || device.driver == "ctrl");
         ++level) {
        holder = holder.parent_path();
        device.driver = LinkTargetName(holder / "driver");
    }
    if (const fs::path usb = UsbAncestor(deviceFolder, sysRoot); !usb.empty()) {
        ReadUsbIdentity(device, usb);
    }
    if (device.driver == "ftdi_sio")
        device.latencyTimerMs = ReadLatency(deviceFolder / "latency_timer");
    return device;
}

}  // namespace

std::vector<SerialDevice> DiscoverSerialDevices(const SystemRoots& roots) {
    std::vector<SerialDevice> devices;
    const fs::path sysRoot = Canonical(roots.sys);
    if (sysRoot.empty()) return devices;
    std::error_code error;
    for (fs::directory_iterator it(roots.sys / "class" / "tty", error), end; !error && it != end;
         it.increment(error)) {
        if (!IsDeviceName(it->path().filename().string())) continue;
        if (std::optional<SerialDevice> device = ReadDevice(it->path(), roots, sysRoot)) {
            devices.push_back(std::move(*device));
        }
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.name < b.name; });
    const auto links = ByIdLinks(roots.dev);
    for (SerialDevice& device : devices) {
        const fs::path node = Canonical(device.path);
        for (const auto& [link, target] : links) {
            if (!node.empty() && target == node) {
                device.byId = link;
                break;
            }
        }
    }
    return devices;
}

std::optional<SerialDevice> FindSerialDevice(const std::vector<SerialDevice>& devices,
                                             const fs::path& path) {
    const fs::path wanted = Canonical(path);
    for (const SerialDevice& device : devices) {
        if (device.path == path || device.byId == path) return device;
        if (!wanted.empty() && Canonical(device.path) == wanted) return device;
    }
    return std::nullopt;
}

std::string DescribeSerialDevice(const SerialDevice& device) {
    std::string text = PrintableText(device.name);
    if (!device.product.empty()) {
        text += ", " + device.product;
    } else if (!device.driver.empty()) {
        text += ", " + device.driver;
    }
    return text;
}

std::string StableName(const SerialDevice& device) {
    return (device.byId.empty() ? device.path : device.byId).string();
}

std::optional<SerialDevice> SoleUsbAdapter(const std::vector<SerialDevice>& devices) {
    std::optional<SerialDevice> found;
    for (const SerialDevice& device : devices) {
        if (device.vendorId.empty()) continue;
        if (found) return std::nullopt;
        found = device;
    }
    return found;
}

std::string UsbIds(const SerialDevice& device) {
    if (device.vendorId.empty() && device.productId.empty()) return "-";
    return device.vendorId + ":" + device.productId;
}

}  // namespace ql
