// Data files and clone files that fail under ql7400-cli and rz7400-sim: unreadable inputs,
// FIFOs, a full disk (a file size limit in the child) and a missing temporary directory.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <optional>

#include "clone/ChildProcess.h"
#include "datafile/IcfFile.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

class CliFiles : public ::testing::Test {
  protected:
    // Runs script under bash with the tool's settings in config and $TMPDIR in tmp; $CLI
    // and $SIM name the programs.
    CliRun Shell(const std::string& script, const std::string& tmpdir = {}) {
        std::vector<std::string> environment = CliEnvironment(config.Path());
        environment.push_back("TMPDIR=" + (tmpdir.empty() ? tmp.Path().string() : tmpdir));
        environment.push_back("CLI=" + BinaryPath("ql7400-cli"));
        environment.push_back("SIM=" + BinaryPath("rz7400-sim"));
        ChildProcess child({"/bin/bash", "-c", script}, {environment, -1});
        CliRun run;
        run.status = child.Wait(30s);
        run.out = child.Stdout();
        run.err = child.Stderr();
        return run;
    }
    // A file size limit of 4 KiB, with SIGXFSZ ignored so that writes fail with EFBIG.
    static std::string FullDisk(const std::string& command) {
        return "ulimit -f 8; trap '' XFSZ; " + command;
    }
    void Start(std::vector<std::string> args = {}) { sim.emplace(dir.Path(), std::move(args)); }
    std::string Port() const { return sim->Link().string(); }
    [[nodiscard]] bool TmpIsEmpty() const { return std::filesystem::is_empty(tmp.Path()); }
    // A valid data file with every memory channel in use.
    std::string FullFile() {
        TestRadio radio(4);
        radio.FillAllMemoryChannels();
        const auto file = dir.File("full.icf");
        EXPECT_EQ(radio(Quoted("FILE.SAVE.", file)), "OK");
        return file.string();
    }

    TempDir dir;
    TempDir config;
    TempDir tmp;
    std::optional<SimProcess> sim;
};

TEST_F(CliFiles, UnreadableInputsAreCannotOpenFileWithStatusThree) {
    const std::string folder = dir.Path().string();
    for (const std::string& source : {folder, std::string("/proc/self/mem")}) {
        const CliRun load = Shell("\"$CLI\" exec --load '" + source + "' HEAL");
        EXPECT_EQ(load.status, 3) << source << load.err;
        EXPECT_NE(load.err.find("CANNOT_OPEN_FILE"), std::string::npos) << load.err;

        const CliRun command = Shell("\"$CLI\" exec 'FILE.LOAD.\"" + source + "\"' EDIT_FLAG");
        EXPECT_EQ(command.status, 0) << source << command.err;
        EXPECT_EQ(command.out, "CANNOT_OPEN_FILE\nOFF\n") << source;

        const CliRun write = Shell("\"$CLI\" write --port /dev/null/none '" + source + "'");
        EXPECT_EQ(write.status, 3) << source << write.err;
        EXPECT_NE(write.err.find(source), std::string::npos) << write.err;

        const CliRun simulator =
            Shell("\"$SIM\" --link '" + dir.File("link").string() + "' --image '" + source + "'");
        EXPECT_NE(simulator.status, 0) << source;
        EXPECT_LT(simulator.status, 128) << source << simulator.err;
        EXPECT_NE(simulator.err.find("CANNOT_OPEN_FILE"), std::string::npos) << simulator.err;
        EXPECT_TRUE(TmpIsEmpty()) << source;
    }
    const CliRun input = Shell("\"$CLI\" exec < '" + folder + "'");
    EXPECT_EQ(input.status, 3) << input.err;
    EXPECT_NE(input.err.find("standard input"), std::string::npos) << input.err;
    EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(CliFiles, AFifoWithoutWriterReadsAsEmptyAndProcessSubstitutionStillWorks) {
    const auto fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const CliRun load = Shell("\"$CLI\" exec --load '" + fifo.string() + "' HEAL");
    EXPECT_EQ(load.status, 3) << load.err;
    EXPECT_NE(load.err.find("FORMAT_ERROR"), std::string::npos) << load.err;
    const CliRun command = Shell("\"$CLI\" exec 'FILE.LOAD.\"" + fifo.string() + "\"'");
    EXPECT_EQ(command.out, "FORMAT_ERROR\n");

    const std::string file = FullFile();
    const CliRun substituted =
        Shell("\"$CLI\" exec --load <(cat '" + file + "') CH.MCH_144.1.APPEAR EDIT_FLAG");
    EXPECT_EQ(substituted.status, 0) << substituted.err;
    EXPECT_EQ(substituted.out, "ON\nOFF\n");
}

TEST_F(CliFiles, AWriteWhoseCloneFileIsCutShortSendsNothing) {
    Start({"--country", "4", "--written", dir.File("written.icf").string()});
    ASSERT_EQ(Shell("\"$CLI\" setup --port '" + Port() + "'").status, 0);
    const auto before = dir.File("before.icf");
    ASSERT_EQ(Shell("\"$CLI\" read --port '" + Port() + "' '" + before.string() + "'").status, 0);

    const std::string file = FullFile();
    const CliRun write = Shell(FullDisk("\"$CLI\" write --port '" + Port() + "' '" + file + "'"));
    EXPECT_EQ(write.status, 77) << write.err;
    EXPECT_NE(write.err.find("temporary directory " + tmp.Path().string()), std::string::npos)
        << write.err;
    EXPECT_NE(write.err.find("File too large"), std::string::npos) << write.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("written.icf")));

    // The transceiver's memory is as it was.
    const auto after = dir.File("after.icf");
    ASSERT_EQ(Shell("\"$CLI\" read --port '" + Port() + "' '" + after.string() + "'").status, 0);
    EXPECT_EQ(ReadImage(after), ReadImage(before));
    EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(CliFiles, AReadWhoseCloneFileIsCutShortFails) {
    Start({"--country", "4"});
    ASSERT_EQ(Shell("\"$CLI\" setup --port '" + Port() + "'").status, 0);
    const auto out = dir.File("out.icf");
    const CliRun read =
        Shell(FullDisk("\"$CLI\" read --port '" + Port() + "' '" + out.string() + "'"));
    EXPECT_EQ(read.status, 77) << read.err;
    EXPECT_NE(read.err.find("temporary directory " + tmp.Path().string()), std::string::npos)
        << read.err;
    EXPECT_NE(read.err.find("File too large"), std::string::npos) << read.err;
    EXPECT_EQ(read.err.find("cable"), std::string::npos) << read.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliFiles, AMissingTemporaryDirectoryIsNamedAndSparesOpenAndSave) {
    const std::string missing = dir.File("gone").string();
    const std::string file = FullFile();
    const auto saved = dir.File("saved.icf");
    const CliRun edit = Shell(
        "\"$CLI\" exec --load '" + file + "' --save '" + saved.string() + "' CH.MCH_144.1.APPEAR",
        missing);
    EXPECT_EQ(edit.status, 0) << edit.err;
    EXPECT_EQ(edit.out, "ON\n");
    CMemoryImage image(4000);
    EXPECT_EQ(ReadIcf(saved, image.MutableBytes()), IcfResult::kOk);

    Start({"--country", "4"});
    ASSERT_EQ(Shell("\"$CLI\" setup --port '" + Port() + "'").status, 0);
    const CliRun read = Shell(
        "\"$CLI\" read --port '" + Port() + "' '" + dir.File("out.icf").string() + "'", missing);
    EXPECT_EQ(read.status, 3);
    EXPECT_NE(read.err.find("temporary directory " + missing), std::string::npos) << read.err;
    EXPECT_NE(read.err.find("no such file"), std::string::npos) << read.err;
}

}  // namespace
}  // namespace ql::test
