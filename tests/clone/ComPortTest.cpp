// The serial port over real pseudo-terminals.

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

#include "base/SystemError.h"
#include "clone/CComPort.h"
#include "clone/ChildProcess.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

// A port whose error hook records what it was told.
class ReportingPort final : public CComPort {
  public:
    std::vector<std::pair<std::string, int>> reports;

  protected:
    void ReportError(std::string_view text, int code) override { reports.emplace_back(text, code); }
};

// Waits until n bytes are waiting, then reads once with room for max.
std::size_t ReadOnce(CComPort& port, std::size_t n, std::size_t max) {
    std::vector<std::uint8_t> buffer(max);
    std::size_t count = 0;
    for (int i = 0; i < 500; ++i) {
        int waiting = 0;
        ioctl(port.GetHandle(), FIONREAD, &waiting);
        if (static_cast<std::size_t>(waiting) >= n) break;
        port.WaitReadable(10ms);
    }
    EXPECT_TRUE(port.Read(buffer, count));
    return count;
}

TEST(ComPort, OpensAPseudoTerminalAndMovesBytesBothWays) {
    ScriptedPeer peer;  // echoes
    PtyPeer pty(peer);
    CComPort port;
    ASSERT_TRUE(port.Open(pty.Device(), 9600)) << port.LastFailure();
    EXPECT_FALSE(port.ModemLines());  // a pseudo-terminal has no modem lines, and still opens

    std::array<std::uint8_t, 4> buffer{};
    std::size_t count = 77;
    EXPECT_FALSE(port.Read(buffer, count));  // nothing waiting: at once, count untouched
    EXPECT_EQ(count, 77U);
    EXPECT_FALSE(port.WaitReadable(1ms));

    const Bytes bytes{0x00, 0xFE, 0x0D, 0x0A};
    ASSERT_TRUE(port.Write(bytes));
    ASSERT_TRUE(port.Flush());
    ASSERT_TRUE(port.WaitReadable(5s));
    EXPECT_EQ(ReadOnce(port, 4, 4), 4U);  // raw: no byte was changed or swallowed

    // Open again: stays as it is, with the first name.
    EXPECT_TRUE(port.Open("/dev/null", 4800));
    EXPECT_EQ(port.PortName(), pty.Device());
    EXPECT_EQ(port.BaudRate(), 9600U);
    port.Close();
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Write(bytes));
}

bool SameSettings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && cfgetospeed(&a) == cfgetospeed(&b) &&
           std::equal(std::begin(a.c_cc), std::end(a.c_cc), std::begin(b.c_cc));
}

TEST(ComPort, ClosingPutsTheTerminalSettingsBackAsTheyWere) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string device = ptsname(master);
    // Held open here, so the terminal keeps its settings between the port's opens.
    const int held = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    termios before{};
    ASSERT_EQ(tcgetattr(held, &before), 0);
    ASSERT_NE(before.c_lflag & ICANON, 0U);  // a fresh terminal edits lines

    {
        CComPort port;
        ASSERT_TRUE(port.Open(device, 9600)) << port.LastFailure();
        termios raw{};
        ASSERT_EQ(tcgetattr(held, &raw), 0);
        EXPECT_EQ(raw.c_lflag & ICANON, 0U);
        port.Close();
        termios after{};
        ASSERT_EQ(tcgetattr(held, &after), 0);
        EXPECT_TRUE(SameSettings(before, after));

        ASSERT_TRUE(port.Open(device, 9600));  // and once more, left to the destructor
    }
    termios after{};
    ASSERT_EQ(tcgetattr(held, &after), 0);
    EXPECT_TRUE(SameSettings(before, after));
    ::close(held);
    ::close(master);
}

TEST(ComPort, OnlyAPortsPermissionFailurePointsAtTheDialoutGroup) {
    EXPECT_EQ(DescribeFailure("/home/u/a.icf", EACCES), "/home/u/a.icf: permission denied");
    ReportingPort port;
    EXPECT_FALSE(port.Open("/dev/null", 9600));
    EXPECT_EQ(port.LastFailure(), "/dev/null: not a serial device");
    EXPECT_TRUE(port.reports.empty());  // the line state cannot be read: refused without report
}

TEST(ComPort, OneReadMovesAtMost256Bytes) {
    ScriptedPeer peer;
    peer.echo = false;
    PtyPeer pty(peer);
    CComPort port;
    ASSERT_TRUE(port.Open(pty.Device(), 9600));
    pty.Send(Bytes(300, 0x41));
    EXPECT_EQ(ReadOnce(port, 300, 1), 1U);
    EXPECT_EQ(ReadOnce(port, 299, 1000), 256U);
    EXPECT_EQ(ReadOnce(port, 43, 1000), 43U);
}

TEST(ComPort, AMissingDeviceIsReportedByNameAndCause) {
    TempDir dir;
    const std::string missing = dir.File("ttyUSB9").string();
    ReportingPort port;
    EXPECT_FALSE(port.Open(missing, 9600));
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(port.reports.size(), 1U);
    EXPECT_EQ(port.reports[0].first, " not Open ");
    EXPECT_EQ(port.reports[0].second, ENOENT);
    EXPECT_EQ(port.LastFailure(), missing + ": no such file or device");

    // Not a terminal: refused without a report, and a later open of a real one works.
    const std::string file = dir.File("plain").string();
    WriteFileBytes(file, "x");
    EXPECT_FALSE(port.Open(file, 9600));
    EXPECT_EQ(port.reports.size(), 1U);
    ScriptedPeer peer;
    PtyPeer pty(peer);
    EXPECT_TRUE(port.Open(pty.Device(), 9600));
}

TEST(ComPort, AnUnknownRateIsAnInvalidSetting) {
    ScriptedPeer peer;
    PtyPeer pty(peer);
    ReportingPort port;
    EXPECT_FALSE(port.Open(pty.Device(), 12345));
    ASSERT_EQ(port.reports.size(), 1U);
    EXPECT_EQ(port.reports[0].first, " invarid setting ");
    EXPECT_FALSE(port.IsOpen());
}

TEST(ComPort, ASecondOpenerIsRefusedInThisProcessAndInAnother) {
    ScriptedPeer peer;
    PtyPeer pty(peer);
    CComPort first;
    ASSERT_TRUE(first.Open(pty.Device(), 9600));

    ReportingPort second;
    EXPECT_FALSE(second.Open(pty.Device(), 9600));
    EXPECT_EQ(second.reports.at(0).first, " not Open ");
    EXPECT_NE(second.LastFailure().find("another program"), std::string::npos)
        << second.LastFailure();

    // Another process: the command-line tool cannot get at the port.
    TempDir config;
    const CliRun run = RunCli(config.Path(), {"info", "--port", pty.Device()});
    EXPECT_EQ(run.status, 91);
    EXPECT_NE(run.err.find(pty.Device() + ": the device is busy"), std::string::npos) << run.err;

    // Once the first lets go, the port opens again.
    first.Close();
    EXPECT_TRUE(second.Open(pty.Device(), 9600));
}

}  // namespace
}  // namespace ql::test
