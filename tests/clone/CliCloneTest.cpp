// ql7400-cli setup, info, read and write against the simulated transceiver.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>

#include "clone/ChildProcess.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

class Cli : public ::testing::Test {
  protected:
    CliRun Run(std::vector<std::string> args) { return RunCli(config.Path(), std::move(args)); }
    void Start(std::vector<std::string> args = {}) { sim.emplace(dir.Path(), std::move(args)); }
    std::string Port() const { return sim->Link().string(); }
    void StoreSettings(std::string_view text) {
        std::filesystem::create_directories(config.File("Orva"));
        WriteFileBytes(config.File("Orva") / "QL-7400.conf", text);
    }

    TempDir dir;
    TempDir config;
    std::optional<SimProcess> sim;
};

TEST_F(Cli, SetupThenInfoReadAndWrite) {
    Start({"--country", "4", "--expand", "2", "--comment", "Shack", "--written",
           dir.File("written.icf").string()});
    const CliRun setup = Run({"setup", "--port", Port(), "--call-sign", "OK2AA"});
    ASSERT_EQ(setup.status, 0) << setup.err;
    const std::string settings = SettingsText(config.Path());
    for (const char* entry : {"0000=1", "0001=4", "0002=2", "CallSign=OK2AA", "PortNumber=1"}) {
        EXPECT_NE(settings.find(entry), std::string::npos) << entry << " in\n" << settings;
    }

    const CliRun info = Run({"info", "--port", Port()});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "Model: RZ-7400\nComment: Shack           \n");

    const CliRun read = Run({"read", "--port", Port(), dir.File("out.icf").string()});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, "Cloning completed.\n");
    // The data set read, saved as Save does: the factory memory after a rebuild.
    TestRadio fresh(4, 2);
    EXPECT_EQ(ReadImage(dir.File("out.icf")), fresh.SavedImage(dir));

    const CliRun write = Run({"write", "--port", Port(), dir.File("out.icf").string()});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "Cloning completed.\n");
    EXPECT_TRUE(std::filesystem::exists(dir.File("written.icf")));
}

TEST_F(Cli, ComPortsAreTheDevicesOfTheSettings) {
    Start();
    StoreSettings("[CommPort]\nDevice2=" + Port() + "\n");
    const CliRun info = Run({"info", "--port", "COM2"});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(SettingsText(config.Path()).find("PortNumber=2"), std::string::npos);
    // The stored port number is the default from then on.
    EXPECT_EQ(Run({"info"}).status, 0);
    EXPECT_EQ(Run({"info", "--port", "COM5"}).status, 2);
}

TEST_F(Cli, FailuresEndInTheirResultCodesWithTheirTexts) {
    Start({"--country", "3"});
    const CliRun version = Run({"info", "--port", Port()});
    EXPECT_EQ(version.status, 90);
    EXPECT_NE(version.err.find("Err: Version number does not match.\n"), std::string::npos);
    EXPECT_TRUE(version.out.empty());

    sim.reset();
    Start({"--fault", "model:2048"});
    const CliRun model = Run({"read", "--port", Port(), dir.File("out.icf").string()});
    EXPECT_EQ(model.status, 85);
    EXPECT_NE(model.err.find("Err: Illegal information.\nThe transceiver cannot be programmed."),
              std::string::npos)
        << model.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.icf")));

    sim.reset();
    Start({"--fault", "end-after:50"});
    const CliRun early = Run({"read", "--port", Port(), dir.File("out.icf").string()});
    EXPECT_EQ(early.status, 77);
    EXPECT_NE(early.err.find("Err: Cannot read cloning data."), std::string::npos) << early.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.icf")));

    const std::string missing = dir.File("ttyUSB7").string();
    const CliRun port = Run({"write", "--port", missing, dir.File("out.icf").string()});
    EXPECT_EQ(port.status, 3);  // nothing to write: the data file is missing
    WriteFileBytes(dir.File("in.icf"), IcfText(BuildFactoryImage(0)));
    const CliRun absent = Run({"write", "--port", missing, dir.File("in.icf").string()});
    EXPECT_EQ(absent.status, 91);
    EXPECT_NE(absent.err.find(missing + ": no such file or device\n"), std::string::npos)
        << absent.err;
    EXPECT_NE(absent.err.find("Err: Cannot access RS-232C port.\n"), std::string::npos);

    const CliRun setup = Run({"setup", "--port", missing});
    EXPECT_EQ(setup.status, 91);
    EXPECT_NE(setup.err.find("Err: Illegal information."), std::string::npos);
    EXPECT_EQ(SettingsText(config.Path()).find("0000="), std::string::npos);
    EXPECT_NE(SettingsText(config.Path()).find("CallSign=\"      \""), std::string::npos)
        << SettingsText(config.Path());
}

// After the status text and the box, the likely cause on a line of its own.
TEST_F(Cli, AFailureEndsWithItsLikelyCause) {
    // The last line of the box of 5061, and the one of 5035.
    const std::string checkCloning = "The revision number of the transceiver.\n";
    const std::string checkPort = "Transceiver power is ON.\n";
    Start({"--fault", "no-answer"});
    const CliRun info = Run({"info", "--port", Port()});
    EXPECT_EQ(info.status, 77);
    EXPECT_NE(info.err.find(checkCloning + "ql7400-cli: " + Port() +
                            ": only the echo of what was sent came back: the transceiver is not "
                            "in cloning mode"),
              std::string::npos)
        << info.err;
    EXPECT_NE(info.err.find("[POWER]"), std::string::npos);

    const std::string missing = dir.File("ttyUSB7").string();
    const CliRun setup = Run({"info", "--port", missing});
    EXPECT_EQ(setup.status, 91);
    EXPECT_NE(setup.err.find(checkPort + "ql7400-cli: " + missing + ": the device does not exist"),
              std::string::npos)
        << setup.err;
}

TEST_F(Cli, CtrlCCancelsAReadWhoseProgressShowsOnTheTerminal) {
    Start({"--pace"});
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const int terminal = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    ChildProcess cli(
        {BinaryPath("ql7400-cli"), "read", "--port", Port(), dir.File("out.icf").string()},
        {CliEnvironment(config.Path()), terminal});
    ::close(terminal);

    std::string screen;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (screen.find("] 10%") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        pollfd entry{master, POLLIN, 0};
        if (::poll(&entry, 1, 100) <= 0) continue;
        char buffer[512];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got > 0) screen.append(buffer, static_cast<std::size_t>(got));
    }
    ASSERT_NE(screen.find("Cloning ["), std::string::npos) << screen;
    cli.Signal(SIGINT);
    EXPECT_EQ(cli.Wait(60s), 1);
    EXPECT_EQ(cli.Stdout(), "");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.icf")));
    ::close(master);
}

}  // namespace
}  // namespace ql::test
