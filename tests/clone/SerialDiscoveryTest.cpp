// Serial devices found in a /sys and /dev tree laid out as the kernel lays them out.

#include <gtest/gtest.h>

#include "clone/FakeSystemTree.h"
#include "clone/OutsideText.h"
#include "clone/SerialDiscovery.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;

// An FTDI converter with a by-id link, an Arduino on CDC ACM, a CP210x without a by-id link
// whose product string carries a terminal escape, a platform port with a UART and one
// without, a virtual terminal and a by-id link whose device is gone.
class SerialDiscovery : public ::testing::Test {
  protected:
    SerialDiscovery() : tree(dir.Path()) {
        const fs::path ftdi = tree.AddUsbDevice("1-1", "0403", "6001", "FTDI", "FT232R USB UART");
        const fs::path port =
            tree.AddConverterPort(tree.AddInterface(ftdi, "ftdi_sio"), "ttyUSB0", "ftdi_sio");
        FakeSystemTree::WriteText(port / "latency_timer", "16\n");
        tree.AddById("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");

        const fs::path acm =
            tree.AddUsbDevice("1-2", "2341", "0043", "Arduino (www.arduino.cc)", "Arduino Uno");
        tree.AddTty("ttyACM0", tree.AddInterface(acm, "cdc_acm"));
        tree.AddById("usb-Arduino__www.arduino.cc__Arduino_Uno_7523-if00", "ttyACM0");

        const fs::path cp =
            tree.AddUsbDevice("1-3", "10c4", "ea60", "Silicon Labs", "CP2102\x1b[31m\tBridge");
        tree.AddConverterPort(tree.AddInterface(cp, "cp210x"), "ttyUSB1", "cp210x");

        tree.AddPlatformPort("ttyS0", 4);
        tree.AddPlatformPort("ttyS1", 0);
        tree.AddVirtualTty("tty0");
        tree.AddById("usb-Prolific_Gone-if00-port0", "ttyUSB7");
    }

    TempDir dir;
    FakeSystemTree tree;
};

TEST_F(SerialDiscovery, FindsEachDeviceWithItsDriverIdsStringsAndStableName) {
    const std::vector<SerialDevice> devices = DiscoverSerialDevices(tree.Roots());
    std::vector<std::string> names;
    for (const SerialDevice& device : devices) names.push_back(device.name);
    // No platform port without a UART, no virtual terminal, nothing for the dangling link.
    ASSERT_EQ(names, (std::vector<std::string>{"ttyACM0", "ttyS0", "ttyUSB0", "ttyUSB1"}));

    const SerialDevice& acm = devices[0];
    EXPECT_EQ(acm.path, tree.Roots().dev / "ttyACM0");
    EXPECT_EQ(acm.byId.filename(), "usb-Arduino__www.arduino.cc__Arduino_Uno_7523-if00");
    EXPECT_EQ(acm.driver, "cdc_acm");  // from the interface
    EXPECT_EQ(UsbIds(acm), "2341:0043");
    EXPECT_EQ(acm.manufacturer, "Arduino (www.arduino.cc)");
    EXPECT_FALSE(acm.latencyTimerMs);

    const SerialDevice& platform = devices[1];
    EXPECT_EQ(platform.driver, "serial8250");
    EXPECT_EQ(UsbIds(platform), "-");
    EXPECT_TRUE(platform.byId.empty());
    EXPECT_EQ(DescribeSerialDevice(platform), "ttyS0, serial8250");

    const SerialDevice& ftdi = devices[2];
    EXPECT_EQ(ftdi.driver, "ftdi_sio");
    EXPECT_EQ(UsbIds(ftdi), "0403:6001");
    EXPECT_EQ(ftdi.byId,
              tree.Roots().dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(ftdi.latencyTimerMs, 16);
    EXPECT_EQ(DescribeSerialDevice(ftdi), "ttyUSB0, FT232R USB UART");

    // No escape or TAB of a product string reaches a menu or a tab-separated line.
    const SerialDevice& cp = devices[3];
    EXPECT_EQ(cp.driver, "cp210x");
    EXPECT_EQ(cp.product, "CP2102?[31m?Bridge");
    EXPECT_TRUE(cp.byId.empty());
}

// Newer kernels hang a built-in port's tty below two devices of the serial core, bound to
// drivers "port" and "ctrl": the driver named is the real one above them.
TEST_F(SerialDiscovery, ABuiltInPortBelowTheSerialCoreNamesItsRealDriver) {
    namespace fs = std::filesystem;
    const fs::path pnp = tree.Roots().sys / "devices/pnp0/00:00";
    const fs::path port = pnp / "00:00:0/00:00:0.0";
    fs::create_directories(port);
    const fs::path drivers = tree.Roots().sys / "bus";
    for (const auto& [folder, driver] :
         {std::pair{pnp, std::string("pnp/drivers/serial")},
          std::pair{pnp / "00:00:0", std::string("serial-base/drivers/ctrl")},
          std::pair{port, std::string("serial-base/drivers/port")}}) {
        fs::create_directories(drivers / driver);
        FakeSystemTree::Link(drivers / driver, folder / "driver");
    }
    tree.AddTty("ttyS4", port);
    FakeSystemTree::WriteText(port / "tty/ttyS4/type", "4\n");
    const std::optional<SerialDevice> found =
        FindSerialDevice(DiscoverSerialDevices(tree.Roots()), tree.Roots().dev / "ttyS4");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->driver, "serial");
    EXPECT_EQ(DescribeSerialDevice(*found), "ttyS4, serial");
}

TEST_F(SerialDiscovery, ADeviceIsFoundByItsPathOrItsStableName) {
    const std::vector<SerialDevice> devices = DiscoverSerialDevices(tree.Roots());
    const fs::path byId =
        tree.Roots().dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    ASSERT_TRUE(FindSerialDevice(devices, byId));
    EXPECT_EQ(FindSerialDevice(devices, byId)->name, "ttyUSB0");
    EXPECT_EQ(FindSerialDevice(devices, tree.Roots().dev / "ttyACM0")->name, "ttyACM0");
    EXPECT_FALSE(FindSerialDevice(devices, tree.Roots().dev / "ttyS1"));
    EXPECT_FALSE(
        FindSerialDevice(devices, tree.Roots().dev / "serial/by-id/usb-Prolific_Gone-if00-port0"));
}

TEST_F(SerialDiscovery, AttributesAreReadBoundedAndWithoutTheirLineEnd) {
    FakeSystemTree::WriteText(dir.File("long"), std::string(5000, 'x') + "\n");
    EXPECT_EQ(ReadSmallFile(dir.File("long"), 100), std::string(100, 'x'));
    FakeSystemTree::WriteText(dir.File("short"), "ftdi\r\n\n");
    EXPECT_EQ(ReadSmallFile(dir.File("short")), "ftdi");
    EXPECT_FALSE(ReadSmallFile(dir.File("missing")));
    EXPECT_EQ(PrintableText("a\x1b]0;x\x07\x9b"), "a?]0;x??");
}

TEST(SerialDiscoveryRoots, AMissingTreeHasNoDevices) {
    TempDir dir;
    EXPECT_TRUE(
        DiscoverSerialDevices({dir.File("sys"), dir.File("dev"), dir.File("proc")}).empty());
}

}  // namespace
}  // namespace ql::test
