// ql7400-cli ports and diagnose: the device list on a fake /sys and /dev tree, the real
// program's list format, and what diagnose sees of a pseudo-terminal and of a missing device.

#include <unistd.h>

#include <gtest/gtest.h>

#include <sstream>

#include "cli/PortCommands.h"
#include "clone/ChildProcess.h"
#include "clone/FakeSystemTree.h"
#include "clone/TestLines.h"
#include "support/CMemorySettingsStore.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;

struct Output {
    int status = -1;
    std::string out;
    std::string err;
};

Output Ports(const std::vector<std::string>& args, const SystemRoots& roots) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunPorts(args, roots, out, err);
    return {status, out.str(), err.str()};
}

Output Diagnose(const std::vector<std::string>& args, const SystemRoots& roots,
                const CSettingsStore& settings = CMemorySettingsStore()) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunDiagnose(args, settings, roots, out, err);
    return {status, out.str(), err.str()};
}

TEST(PortsCommand, ListsEachDeviceAsTabSeparatedFields) {
    TempDir dir;
    FakeSystemTree tree(dir.Path());
    const Output none = Ports({"ports"}, tree.Roots());
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "ql7400-cli: no serial device found\n");

    const fs::path ftdi = tree.AddUsbDevice("1-1", "0403", "6001", "FTDI", "FT232R USB UART");
    tree.AddConverterPort(tree.AddInterface(ftdi, "ftdi_sio"), "ttyUSB0", "ftdi_sio");
    tree.AddById("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "ttyUSB0");
    const fs::path acm = tree.AddUsbDevice("1-2", "2341", "0043", "Arduino", "Uno\tR3");
    tree.AddTty("ttyACM0", tree.AddInterface(acm, "cdc_acm"));
    tree.AddPlatformPort("ttyS0", 4);
    const std::string dev = tree.Roots().dev.string();
    const Output listed = Ports({"ports"}, tree.Roots());
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, dev + "/ttyACM0\t-\tcdc_acm\t2341:0043\tUno?R3\t-\n" + dev +
                              "/ttyS0\t-\tserial8250\t-\t-\t-\n" + dev + "/ttyUSB0\t" + dev +
                              "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\t"
                              "ftdi_sio\t0403:6001\tFT232R USB UART\t-\n");
    EXPECT_EQ(Ports({"ports", "extra"}, tree.Roots()).status, 2);
}

TEST(PortsCommand, TheProgramPrintsSixFieldsPerDevice) {
    TempDir config;
    const CliRun run = RunCli(config.Path(), {"ports"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
        EXPECT_TRUE(line.starts_with("/dev/")) << line;
    }
}

TEST(DiagnoseCommand, TellsWhatItSeesOfAPseudoTerminalWithoutSendingAnything) {
    ScriptedPeer peer;
    PtyPeer pty(peer);
    TempDir config;
    const CliRun run = RunCli(config.Path(), {"diagnose", pty.Device()});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const std::string& expected :
         {"device: " + pty.Device() + "\n", std::string("exists: yes, a character device\n"),
          // This test program holds the other end open.
          "in use by: ql7400-cli-test (pid " + std::to_string(::getpid()) + ")\n",
          std::string("open: yes, 9600 8-N-1, DTR low, RTS high\n"),
          std::string("low latency: not offered by the driver\n"), std::string("modem lines: ")}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << " in\n" << run.out;
    }
    EXPECT_EQ(run.out.find("cause:"), std::string::npos) << run.out;
    EXPECT_TRUE(pty.Heard().empty());
}

TEST(DiagnoseCommand, AMissingDeviceEndsWithItsCauseAndResult91) {
    TempDir dir;
    FakeSystemTree tree(dir.Path());
    const std::string missing = (tree.Roots().dev / "ttyUSB0").string() + "x";
    const Output run = Diagnose({"diagnose", missing}, tree.Roots());
    EXPECT_EQ(run.status, 91);
    EXPECT_EQ(run.out, "device: " + missing +
                           "\nexists: no\nadapter: not among the serial devices of the system\n"
                           "in use by: no other program\nopen: no, " +
                           missing + ": no such file or device\ncause: " + missing +
                           ": the device does not exist, and there is no serial device at all: "
                           "is the USB cable plugged into the computer?\n");

    // COM numbers are the devices of the settings; other words are no ports.
    CMemorySettingsStore settings;
    settings.SetString("CommPort", "Device3", missing);
    EXPECT_EQ(Diagnose({"diagnose", "com3"}, tree.Roots(), settings).out, run.out);
    EXPECT_EQ(Diagnose({"diagnose", "COM9"}, tree.Roots()).status, 2);
    EXPECT_EQ(Diagnose({"diagnose"}, tree.Roots()).status, 2);
}

}  // namespace
}  // namespace ql::test
