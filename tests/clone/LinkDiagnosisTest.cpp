// The likely cause of a failed exchange, each from the situation itself: a silent line, a
// line that only echoes, a missing device, a device of another group, a device another
// process holds, an FTDI adapter at its default latency.

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/ChildProcess.h"
#include "clone/DeviceHolders.h"
#include "clone/FakeSystemTree.h"
#include "clone/LinkDiagnosis.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// A clone link on a real port whose silence counts fast, as the clone operations use it.
struct PortLink {
    FakeClock clock;
    RecordingTones tones;
    CCloneLink link{std::make_unique<FastSilenceLine>(std::make_unique<CComPort>(), clock), clock,
                    tones};

    LinkObservation Identify(const std::string& device, CloneResult expected) {
        link.SetDevice(device);
        EXPECT_EQ(link.ReadInformation(), expected);
        return link.Observation();
    }
};

TEST(LinkDiagnosis, SilenceAfterTheRequestPointsAtTheCableOrThePower) {
    ScriptedPeer peer;
    peer.echo = false;
    PtyPeer pty(peer);
    PortLink run;
    const LinkObservation observed = run.Identify(pty.Device(), CloneResult::kFailed);
    EXPECT_TRUE(observed.opened);
    EXPECT_GT(observed.sent, 0U);
    EXPECT_EQ(observed.received, 0U);
    EXPECT_EQ(DiagnoseFailure(observed),
              std::vector<std::string>{
                  pty.Device() + ": nothing came back: the cable is not connected to the "
                                 "computer or to the transceiver, or the transceiver is off"});
}

TEST(LinkDiagnosis, OnlyTheEchoMeansTheTransceiverIsNotInCloningMode) {
    TempDir dir;
    SimProcess sim(dir.Path(), {"--fault", "no-answer"});
    PortLink run;
    const LinkObservation observed = run.Identify(sim.Link().string(), CloneResult::kFailed);
    EXPECT_TRUE(observed.echoOnly);
    EXPECT_EQ(observed.received, observed.sent);
    const std::vector<std::string> lines = DiagnoseFailure(observed);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_THAT(lines[0], StartsWith(sim.Link().string() + ": only the echo"));
    EXPECT_THAT(lines[0], HasSubstr("not in cloning mode"));
    EXPECT_THAT(lines[0], HasSubstr("hold the microphone [UP] switch and the 4th switch above the "
                                    "left indicator on the controller while pushing [POWER]"));

    // A transceiver that answers is no echo, and a success leaves nothing to diagnose.
    TempDir otherDir;
    SimProcess answering(otherDir.Path(), {});
    const LinkObservation answered =
        run.Identify(answering.Link().string(), CloneResult::kCompleted);
    EXPECT_FALSE(answered.echoOnly);
    EXPECT_GT(answered.received, answered.sent);
    EXPECT_TRUE(DiagnoseFailure(answered).empty());
}

TEST(LinkDiagnosis, AMissingDeviceNamesThePresentOnesOrTheAdapterThatVanished) {
    TempDir dir;
    FakeSystemTree tree(dir.Path());
    const std::string missing = (tree.Roots().dev / "ttyUSB3").string();
    PortLink run;
    const LinkObservation observed = run.Identify(missing, CloneResult::kPortUnavailable);
    EXPECT_EQ(observed.port.openError, ENOENT);
    EXPECT_EQ(
        DiagnoseFailure(observed, tree.Roots()),
        std::vector<std::string>{missing + ": the device does not exist, and there is no serial "
                                           "device at all: is the USB cable plugged into the "
                                           "computer?"});

    const fs::path ftdi = tree.AddUsbDevice("1-1", "0403", "6001", "FTDI", "FT232R USB UART");
    tree.AddConverterPort(tree.AddInterface(ftdi, "ftdi_sio"), "ttyUSB0", "ftdi_sio");
    tree.AddPlatformPort("ttyS0", 4);
    EXPECT_EQ(DiagnoseFailure(observed, tree.Roots()),
              std::vector<std::string>{
                  missing + ": the device does not exist; the serial devices here are " +
                  (tree.Roots().dev / "ttyS0").string() + "; " +
                  (tree.Roots().dev / "ttyUSB0").string() + " (FT232R USB UART)"});

    // A CH340 whose interface a program took over through usbfs: brltty's doing.
    tree.AddInterface(tree.AddUsbDevice("1-4", "1a86", "7523", "QinHeng", "USB Serial"), "usbfs");
    const std::vector<std::string> lines = DiagnoseFailure(observed, tree.Roots());
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_THAT(lines[0], StartsWith(missing + ": the USB serial adapter 1a86:7523 (USB Serial) "
                                               "is plugged in, but its serial device vanished a "
                                               "moment after it appeared, taken by a program"));
    EXPECT_THAT(lines[0], HasSubstr("sudo systemctl mask brltty-udev.service"));

    // The same adapter taken away while the port was open: the line failed with EIO.
    const LinkObservation lost{missing, {0, EIO, LowLatency::kUnknown}, true, 7, 0, false};
    EXPECT_EQ(DiagnoseFailure(lost, tree.Roots()), lines);
}

// The pid of a child that opened device, locked it as a port holder does and became
// "sleep"; 0 when that failed.
pid_t StartHolder(const std::string& device) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(1);
        ::execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
        ::_exit(1);
    }
    for (int i = 0; i < 500 && child > 0; ++i) {
        const HolderSearch search = FindDeviceHolders(device);
        if (!search.holders.empty() && search.holders[0].program == "sleep") return child;
        std::this_thread::sleep_for(10ms);
    }
    return 0;
}

TEST(LinkDiagnosis, ABusyDeviceNamesTheProgramThatHoldsIt) {
    ScriptedPeer peer;
    PtyPeer pty(peer);
    const pid_t holder = StartHolder(pty.Device());
    ASSERT_GT(holder, 0);
    PortLink run;
    const LinkObservation observed = run.Identify(pty.Device(), CloneResult::kPortUnavailable);
    EXPECT_EQ(observed.port.openError, EBUSY);
    EXPECT_EQ(DiagnoseFailure(observed),
              std::vector<std::string>{pty.Device() + ": held by sleep (pid " +
                                       std::to_string(holder) + "): close that program first"});

    // Where the holder cannot be seen, the usual ones are named.
    TempDir dir;
    const std::vector<std::string> hidden =
        DiagnoseFailure(observed, {dir.File("sys"), dir.File("dev"), dir.Path()});
    ASSERT_EQ(hidden.size(), 1U);
    EXPECT_THAT(hidden[0], HasSubstr("cannot be seen from here"));
    EXPECT_THAT(hidden[0], HasSubstr("ModemManager"));
    EXPECT_THAT(hidden[0], HasSubstr("brltty"));

    ::kill(holder, SIGTERM);
    int status = 0;
    ::waitpid(holder, &status, 0);
    EXPECT_TRUE(FindDeviceHolders(pty.Device()).holders.empty());
}

// The diagnosis of a port opened by user "nobody" with only the group given in this login;
// what DiagnoseFailure says, or why it could not run.
std::string DiagnoseAsNobody(const std::string& device, gid_t loginGroup) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "no pipe";
    passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody->pw_uid;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(loginGroup) != 0 || ::setuid(uid) != 0) {
            ::_exit(1);
        }
        CComPort port;
        std::string text = "opened";
        if (!port.Open(device, 9600)) {
            text.clear();
            for (const std::string& line :
                 DiagnoseFailure({device, port.Observed(), false, 0, 0, false})) {
                text += line + "\n";
            }
        }
        (void)!::write(pipe[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n = 0; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return text;
}

TEST(LinkDiagnosis, ARefusedPermissionNamesTheDevicesGroupAndTheWayIn) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a device to a scratch user";
    if (::getpwnam("nobody") == nullptr) GTEST_SKIP() << "the system has no user \"nobody\"";
    ScriptedPeer peer;
    PtyPeer pty(peer);
    const std::string& device = pty.Device();
    const gid_t nobodyGroup = ::getpwnam("nobody")->pw_gid;
    const group* entry = ::getgrgid(nobodyGroup);
    const std::string nobodyGroupName =
        entry != nullptr ? entry->gr_name : std::to_string(nobodyGroup);
    constexpr gid_t kScratchGroup = 54321;

    // Group root, mode 0660: nobody is not in it at all.
    ASSERT_EQ(::chown(device.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    EXPECT_EQ(DiagnoseAsNobody(device, kScratchGroup),
              device +
                  ": only the group \"root\" may open it and nobody is not in it: \"sudo "
                  "adduser nobody root\", then log out and in again\n");

    // nobody's own group, but this login runs without it: the account was changed after the
    // login began.
    ASSERT_EQ(::chown(device.c_str(), 0, nobodyGroup), 0);
    EXPECT_EQ(DiagnoseAsNobody(device, kScratchGroup),
              device + ": only the group \"" + nobodyGroupName +
                  "\" may open it; nobody was added to it after this login began: log out and "
                  "in again\n");
    // With the group in the login, the port opens.
    EXPECT_EQ(DiagnoseAsNobody(device, nobodyGroup), "opened");
}

TEST(LinkDiagnosis, AnFtdiAdapterAtItsDefaultLatencyAddsANoteOnSlowWrites) {
    TempDir dir;
    FakeSystemTree tree(dir.Path());
    const fs::path ftdi = tree.AddUsbDevice("1-1", "0403", "6015", "FTDI", "FT230X Basic UART");
    const fs::path port =
        tree.AddConverterPort(tree.AddInterface(ftdi, "ftdi_sio"), "ttyUSB0", "ftdi_sio");
    FakeSystemTree::WriteText(port / "latency_timer", "16\n");
    const std::string device = (tree.Roots().dev / "ttyUSB0").string();
    LinkObservation observed{device, {0, 0, LowLatency::kRefused}, true, 12, 0, false};
    std::vector<std::string> lines = DiagnoseFailure(observed, tree.Roots());
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_THAT(lines[0], HasSubstr("nothing came back"));
    EXPECT_THAT(lines[1], StartsWith(device + ": this FTDI adapter waits 16 ms"));
    EXPECT_THAT(lines[1], HasSubstr("a write takes seconds longer"));
    EXPECT_THAT(lines[1], HasSubstr("ATTR{latency_timer}=\"1\""));

    observed.port.lowLatency = LowLatency::kGranted;
    EXPECT_EQ(DiagnoseFailure(observed, tree.Roots()).size(), 1U);
    observed.port.lowLatency = LowLatency::kRefused;
    FakeSystemTree::WriteText(port / "latency_timer", "1\n");
    EXPECT_EQ(DiagnoseFailure(observed, tree.Roots()).size(), 1U);
}

}  // namespace
}  // namespace ql::test
