#include "clone/FakeSystemTree.h"

#include <fstream>

namespace ql::test {

namespace fs = std::filesystem;

FakeSystemTree::FakeSystemTree(const fs::path& root)
    : roots_{root / "sys", root / "dev", root / "proc"},
      usbRoot_(root / "sys/devices/pci0000:00/0000:00:14.0/usb1") {
    for (const fs::path& folder : {usbRoot_, roots_.sys / "class/tty", roots_.dev / "serial/by-id",
                                   roots_.sys / "bus/usb/devices", roots_.proc}) {
        fs::create_directories(folder);
    }
}

void FakeSystemTree::WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

void FakeSystemTree::Link(const fs::path& target, const fs::path& link) {
    fs::create_directories(link.parent_path());
    fs::create_symlink(target.lexically_relative(link.parent_path()), link);
}

fs::path FakeSystemTree::Driver(const std::string& bus, const std::string& name) {
    const fs::path driver = roots_.sys / "bus" / bus / "drivers" / name;
    fs::create_directories(driver);
    return driver;
}

fs::path FakeSystemTree::AddUsbDevice(const std::string& port, const std::string& vendor,
                                      const std::string& product, const std::string& maker,
                                      const std::string& name) {
    const fs::path usb = usbRoot_ / port;
    WriteText(usb / "idVendor", vendor + "\n");
    WriteText(usb / "idProduct", product + "\n");
    WriteText(usb / "manufacturer", maker + "\n");
    WriteText(usb / "product", name + "\n");
    return usb;
}

fs::path FakeSystemTree::AddInterface(const fs::path& usb, const std::string& driver) {
    const fs::path interface = usb / (usb.filename().string() + ":1.0");
    fs::create_directories(interface);
    if (!driver.empty()) Link(Driver("usb", driver), interface / "driver");
    Link(interface, roots_.sys / "bus/usb/devices" / interface.filename());
    return interface;
}

void FakeSystemTree::AddTty(const std::string& name, const fs::path& deviceFolder) {
    const fs::path tty = deviceFolder / "tty" / name;
    fs::create_directories(tty);
    WriteText(tty / "dev", "188:0\n");
    Link(deviceFolder, tty / "device");
    Link(tty, roots_.sys / "class/tty" / name);
    WriteText(roots_.dev / name, "");
}

fs::path FakeSystemTree::AddConverterPort(const fs::path& interface, const std::string& name,
                                          const std::string& driver) {
    const fs::path port = interface / name;
    fs::create_directories(port);
    Link(Driver("usb-serial", driver), port / "driver");
    AddTty(name, port);
    return port;
}

void FakeSystemTree::AddPlatformPort(const std::string& name, int uartType) {
    const fs::path platform = roots_.sys / "devices/platform/serial8250";
    fs::create_directories(platform);
    if (!fs::is_symlink(platform / "driver")) {
        Link(Driver("platform", "serial8250"), platform / "driver");
    }
    AddTty(name, platform);
    WriteText(platform / "tty" / name / "type", std::to_string(uartType) + "\n");
}

void FakeSystemTree::AddVirtualTty(const std::string& name) {
    const fs::path tty = roots_.sys / "devices/virtual/tty" / name;
    fs::create_directories(tty);
    Link(tty, roots_.sys / "class/tty" / name);
    WriteText(roots_.dev / name, "");
}

void FakeSystemTree::AddById(const std::string& name, const std::string& target) {
    fs::create_symlink(fs::path("../..") / target, roots_.dev / "serial/by-id" / name);
}

}  // namespace ql::test
