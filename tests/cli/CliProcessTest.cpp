// ql7400-cli as a process: what it leaves behind when a signal ends it, how it reports
// output and settings it could not write, and what it says about ports that are none.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "clone/ChildProcess.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

std::size_t CountEntries(const std::filesystem::path& dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++count;
    return count;
}

// A pipe whose ends close with the object.
struct Pipe {
    Pipe() { EXPECT_EQ(::pipe2(fds, O_CLOEXEC), 0); }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void CloseRead() { Close(fds[0]); }
    void CloseWrite() { Close(fds[1]); }
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fds[2] = {-1, -1};
};

class CliProcess : public ::testing::Test {
  protected:
    std::vector<std::string> Environment() const {
        std::vector<std::string> env = CliEnvironment(config.Path());
        env.push_back("TMPDIR=" + temp.Path().string());
        env.insert(env.end(), extraEnvironment.begin(), extraEnvironment.end());
        return env;
    }
    std::unique_ptr<ChildProcess> Spawn(std::vector<std::string> args, ChildOptions options = {}) {
        args.insert(args.begin(), BinaryPath("ql7400-cli"));
        options.environment = Environment();
        return std::make_unique<ChildProcess>(std::move(args), options);
    }
    CliRun Run(std::vector<std::string> args) {
        const auto child = Spawn(std::move(args));
        CliRun run;
        run.status = child->Wait(60s);
        run.out = child->Stdout();
        run.err = child->Stderr();
        return run;
    }
    // Waits until the program has made its temporary files.
    void AwaitTemporaryFiles(std::size_t count) const {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (CountEntries(temp.Path()) < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        ASSERT_GE(CountEntries(temp.Path()), count);
    }
    void StoreSettings(std::string_view text) {
        std::filesystem::create_directories(config.File("Orva"));
        WriteFileBytes(config.File("Orva") / "QL-7400.conf", text);
    }
    void StartSim(std::vector<std::string> args = {}) { sim.emplace(dir.Path(), std::move(args)); }
    std::string Port() const { return sim->Link().string(); }

    TempDir dir;
    TempDir config;
    TempDir temp;  // the program's $TMPDIR
    std::optional<SimProcess> sim;
    std::vector<std::string> extraEnvironment;
};

TEST_F(CliProcess, AnEndingSignalInExecRemovesTheTemporaryFileAndEndsByTheSignal) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        Pipe input;  // held open: exec waits for its next command line
        ChildOptions options;
        options.stdinFd = input.fds[0];
        const auto child = Spawn({"exec", "--save", dir.File("never.icf").string()}, options);
        input.CloseRead();
        AwaitTemporaryFiles(1);
        child->Signal(signal);
        EXPECT_EQ(child->Wait(30s), 128 + signal) << child->Stderr();
        EXPECT_EQ(CountEntries(temp.Path()), 0U) << "after signal " << signal;
        EXPECT_FALSE(std::filesystem::exists(dir.File("never.icf")));
    }
}

TEST_F(CliProcess, SignalsInReadAndWriteCancelTheExchangeAndLeaveNoTemporaryFiles) {
    struct Case {
        std::string command;
        int signal;
        int status;
    };
    WriteFileBytes(dir.File("in.icf"), IcfText(BuildFactoryImage(0)));
    for (const Case& c : {Case{"read", SIGINT, 1}, Case{"read", SIGTERM, 128 + SIGTERM},
                          Case{"write", SIGHUP, 128 + SIGHUP}}) {
        sim.reset();
        StartSim({"--pace"});  // a transceiver of its own: a cancelled one goes on sending
        const std::string file = c.command == "read" ? "out.icf" : "in.icf";
        const auto child = Spawn({c.command, "--port", Port(), dir.File(file).string()});
        AwaitTemporaryFiles(2);           // the data set's file and the clone file
        std::this_thread::sleep_for(1s);  // well into the exchange
        child->Signal(c.signal);
        EXPECT_EQ(child->Wait(30s), c.status) << c.command << ' ' << c.signal << '\n'
                                              << child->Stderr();
        EXPECT_EQ(CountEntries(temp.Path()), 0U) << c.command << ' ' << c.signal;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.icf")));
    }
}

TEST_F(CliProcess, ASignalDuringInfoEndsItCleanly) {
    StartSim({"--fault", "no-answer"});
    const auto child = Spawn({"info", "--port", Port()});
    AwaitTemporaryFiles(2);
    child->Signal(SIGTERM);
    EXPECT_EQ(child->Wait(30s), 128 + SIGTERM) << child->Stderr();
    EXPECT_EQ(CountEntries(temp.Path()), 0U);
}

TEST_F(CliProcess, AnswersThatCannotBeWrittenFailTheRunButTheSaveIsMade) {
    // A full device.
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    ChildOptions toFull;
    toFull.stdoutFd = full;
    const auto first =
        Spawn({"exec", "--save", dir.File("a.icf").string(), "COMMON.BEEP=OFF"}, toFull);
    ::close(full);
    EXPECT_EQ(first->Wait(30s), 3);
    EXPECT_NE(first->Stderr().find("standard output"), std::string::npos) << first->Stderr();
    EXPECT_NE(first->Stderr().find("no space left on the device"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.File("a.icf")));

    // A pipe nobody reads any more: an error to report, not a silent death by SIGPIPE.
    Pipe closed;
    closed.CloseRead();
    ChildOptions toClosed;
    toClosed.stdoutFd = closed.fds[1];
    const auto second =
        Spawn({"exec", "--save", dir.File("b.icf").string(), "COMMON.BEEP"}, toClosed);
    closed.CloseWrite();
    EXPECT_EQ(second->Wait(30s), 3) << second->Stderr();
    EXPECT_NE(second->Stderr().find("standard output"), std::string::npos) << second->Stderr();
    EXPECT_TRUE(std::filesystem::exists(dir.File("b.icf")));
}

TEST_F(CliProcess, SetupFailsWhenTheSettingsCannotBeStored) {
    StartSim({"--country", "4"});
    const std::filesystem::path file = config.File("Orva") / "QL-7400.conf";
    std::filesystem::create_directories(file);  // a folder where the settings file belongs
    const CliRun run = Run({"setup", "--port", Port(), "--call-sign", "OK2AA"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(file.string() + ": it is a directory"), std::string::npos) << run.err;
}

TEST_F(CliProcess, SetupFailsOnAFullDiskOrAReadOnlyFolder) {
    // A small file system of its own for the settings, in a mount namespace of the child's.
    if (::access("/usr/bin/unshare", X_OK) != 0 ||
        std::system("unshare -m true >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no mount namespaces here";
    }
    StartSim({"--country", "4"});
    const std::string orva = (config.Path() / "Orva").string();
    std::filesystem::create_directories(orva);
    const std::string cli = BinaryPath("ql7400-cli");
    const std::string setup = " setup --port '" + Port() + "' --call-sign OK2AA";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"mount -t tmpfs -o size=64k tmpfs '" + orva + "' && (dd if=/dev/zero of='" + orva +
             "/fill' bs=4k 2>/dev/null || true)",
         "no space left on the device"},
        {"mount -t tmpfs -o ro tmpfs '" + orva + "'", "read-only"}};
    for (const auto& [prepare, cause] : cases) {
        const std::string script = prepare + " && exec '" + cli + "'" + setup;
        ChildOptions options;
        options.environment = Environment();
        ChildProcess child({"/usr/bin/unshare", "-m", "--", "/bin/sh", "-c", script}, options);
        EXPECT_EQ(child.Wait(60s), 3) << child.Stderr();
        EXPECT_NE(child.Stderr().find(orva + "/QL-7400.conf: "), std::string::npos)
            << child.Stderr();
        EXPECT_NE(child.Stderr().find(cause), std::string::npos) << child.Stderr();
    }
}

TEST_F(CliProcess, ASetupMadeWhileAnotherRunLastsIsKept) {
    StoreSettings("[SetupInfo]\n0000=1\n0001=4\n0002=2\n");
    Pipe input;
    ChildOptions options;
    options.stdinFd = input.fds[0];
    const auto exec = Spawn({"exec"}, options);
    input.CloseRead();
    AwaitTemporaryFiles(1);

    StartSim({"--country", "9", "--expand", "1"});
    const CliRun setup = Run({"setup", "--port", Port()});
    ASSERT_EQ(setup.status, 0) << setup.err;

    input.CloseWrite();  // exec ends
    EXPECT_EQ(exec->Wait(30s), 0) << exec->Stderr();
    const std::string settings = SettingsText(config.Path());
    EXPECT_NE(settings.find("0001=9"), std::string::npos) << settings;
    EXPECT_NE(settings.find("0002=1"), std::string::npos) << settings;
}

TEST_F(CliProcess, APortThatIsNoSerialDeviceIsCalledSo) {
    WriteFileBytes(dir.File("plain"), "");
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& port :
         {dir.File("plain").string(), dir.File("fifo").string(), std::string("/dev/null")}) {
        const CliRun run = Run({"info", "--port", port});
        EXPECT_EQ(run.status, 91) << port;
        EXPECT_NE(run.err.find(port + ": not a serial device"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("ioctl"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("dialout"), std::string::npos) << run.err;
    }
}

TEST_F(CliProcess, ControlCharactersOfTheTransceiversCommentReachNoTerminal) {
    StartSim({"--comment", "A\x1b[2J\aB\tC"});
    const CliRun run = Run({"info", "--port", Port()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Model: RZ-7400\nComment: A [2J B C       \n");
}

}  // namespace
}  // namespace ql::test

namespace ql::test {
namespace {

TEST_F(CliProcess, EveryReadLeavesABackupAndOneThatFailsFailsNoRead) {
    StartSim({"--country", "5"});
    ASSERT_EQ(Run({"setup", "--port", Port()}).status, 0);
    const CliRun read = Run({"read", "--port", Port(), dir.File("a.icf").string()});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.err, "");
    // $HOME is the settings folder here, and $XDG_DATA_HOME is not set.
    const auto folder = config.File(".local") / "share" / "ql7400" / "backups";
    ASSERT_EQ(CountEntries(folder), 1u);
    const auto backup = std::filesystem::directory_iterator(folder)->path();
    EXPECT_TRUE(backup.filename().string().starts_with("rz7400-")) << backup;
    EXPECT_TRUE(backup.filename().string().ends_with("Z-EUR-B.icf")) << backup;
    EXPECT_EQ(ReadFileBytes(backup), ReadFileBytes(dir.File("a.icf")));

    WriteFileBytes(dir.File("data"), "a file, no folder");
    extraEnvironment = {"XDG_DATA_HOME=" + dir.File("data").string()};
    std::filesystem::remove(dir.File("a.icf"));
    const CliRun unwritable = Run({"read", "--port", Port(), dir.File("a.icf").string()});
    EXPECT_EQ(unwritable.status, 0) << unwritable.err;
    EXPECT_EQ(unwritable.out, "Cloning completed.\n");
    EXPECT_TRUE(
        unwritable.err.starts_with("ql7400-cli: no backup was made: " + dir.File("data").string()))
        << unwritable.err;
    EXPECT_TRUE(std::filesystem::exists(dir.File("a.icf")));

    extraEnvironment = {"XDG_DATA_HOME=" + dir.File("share").string()};
    const CliRun skipped =
        Run({"read", "--no-backup", "--port", Port(), dir.File("a.icf").string()});
    EXPECT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("share")));
    EXPECT_EQ(Run({"read", "--port", Port(), dir.File("a.icf").string()}).status, 0);
    EXPECT_EQ(CountEntries(dir.File("share") / "ql7400" / "backups"), 1u);
}

}  // namespace
}  // namespace ql::test
