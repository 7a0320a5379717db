#include <gtest/gtest.h>

#include <sstream>

#include "cli/ExecCommand.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

struct ExecRun {
    int status = 0;
    std::string out;
    std::string err;
};

ExecRun Exec(std::vector<std::string> args, std::string_view input = "") {
    args.insert(args.begin(), "exec");
    CMemorySettingsStore settings;
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunExec(args, settings, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Exec, PrintsOneLineForEveryCommandIncludingEmptyAnswers) {
    const ExecRun run = Exec({"COMMON.BEEP", "XYZ", "DTMF.0=12*#"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ON\n\n12EF\n");
    EXPECT_EQ(run.err, "");
}

TEST(Exec, ReadsCommandsFromStandardInputWithEitherLineEnd) {
    const ExecRun run = Exec({}, "COMMON.BEEP=OFF\r\nCOMMON.BEEP\n\nMODEL.COUNTRY");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "OFF\nOFF\n\nUSA-A\n");
}

TEST(Exec, AnswersThatCannotBeWrittenFailTheRunAfterTheSave) {
    TempDir dir;
    CMemorySettingsStore settings;
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);  // as a full device leaves a stream
    std::ostringstream err;
    const int status = cli::RunExec(
        {"exec", "--save", dir.File("a.icf").string(), "COMMON.BEEP=OFF"}, settings, in, out, err);
    EXPECT_EQ(status, 3);
    EXPECT_NE(err.str().find("could not be written to standard output"), std::string::npos)
        << err.str();
    // The save still happened, with the commands applied.
    TestRadio radio;
    EXPECT_EQ(radio("FILE.LOAD.\"" + dir.File("a.icf").string() + "\""), "OK");
    EXPECT_EQ(radio("COMMON.BEEP"), "OFF");
}

TEST(Exec, AStopRunsNoFurtherCommandAndSavesNothing) {
    TempDir dir;
    CMemorySettingsStore settings;
    std::istringstream in("COMMON.BEEP\nCOMMON.BEEP\nCOMMON.BEEP\n");
    std::ostringstream out;
    std::ostringstream err;
    int asked = 0;
    const int status = cli::RunExec({"exec", "--save", dir.File("a.icf").string()}, settings, in,
                                    out, err, [&asked] { return ++asked > 2; });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out.str(), "ON\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.icf")));
}

TEST(Exec, UsageErrorsAreStatusTwo) {
    EXPECT_EQ(Exec({"--load"}).status, 2);
    EXPECT_EQ(Exec({"--frobnicate", "HEAL"}).status, 2);
    EXPECT_EQ(Exec({}, std::string(2 << 20, 'x')).status, 2);
    // After "--" everything is a command, even what looks like an option.
    EXPECT_EQ(Exec({"--", "--load"}).out, "\n");
}

// Standard input that fails (a directory, a device error) throws in its buffer; exec ends
// with status 3 instead of an uncaught exception.
TEST(Exec, StandardInputThatFailsIsStatusThree) {
    struct Failing : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("read error"); }
    } failing;
    std::istream in(&failing);
    CMemorySettingsStore settings;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::RunExec({"exec"}, settings, in, out, err), 3);
    EXPECT_NE(err.str().find("CANNOT_OPEN_FILE"), std::string::npos) << err.str();
}

TEST(Exec, SavedEditsComeBackOnLoad) {
    TempDir dir;
    const std::string file = dir.File("mine.icf").string();
    ASSERT_EQ(Exec({"--save", file, "CH.MCH_144.12.APPEAR=ON", "CH.MCH_144.12.FREQUENCY=145.5",
                    "CH.MCH_144.12.NAME=rpt-1"})
                  .status,
              0);
    const ExecRun run =
        Exec({"--load", file, "CH.MCH_144.12.FREQUENCY", "CH.MCH_144.12.NAME", "EDIT_FLAG"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "145.5000\nRPT-1   \nOFF\n");
}

TEST(Exec, AFailedLoadNamesTheFileAndTheReaderResult) {
    TempDir dir;
    const auto file = dir.File("short.icf");
    WriteFileBytes(file, "20470001\r\n#\r\n000010" + std::string(32, '0') + "\r\n");
    const ExecRun run = Exec({"--load", file.string(), "COMMON.BEEP"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(file.string()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("NOT_ENOUGH_DATA"), std::string::npos) << run.err;

    const ExecRun missing = Exec({"--load", dir.File("none.icf").string()});
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find("none.icf"), std::string::npos);
    EXPECT_NE(missing.err.find("CANNOT_OPEN_FILE"), std::string::npos) << missing.err;
}

TEST(Exec, AFailedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const auto file = dir.File("keep.icf");
    ASSERT_EQ(Exec({"--save", file.string()}).status, 0);
    const std::string before = ReadFileBytes(file);
    // A save into a directory that does not exist fails and names the cause.
    const ExecRun run = Exec({"--save", dir.File("no/such/dir.icf").string(), "COMMON.BEEP=OFF"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("no such file"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(file), before);
    // Only the finished file ever takes the old one's place: no temporary is left behind.
    ASSERT_EQ(Exec({"--save", file.string(), "COMMON.BEEP=OFF"}).status, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace ql::test
