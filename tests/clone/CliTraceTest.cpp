// The command trace of ql7400-cli: what exec and a clone read send to the data set.

#include <gtest/gtest.h>

#include "clone/ChildProcess.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

class CliTrace : public ::testing::Test {
  protected:
    CliRun Run(std::vector<std::string> args, const std::filesystem::path& trace) {
        args.insert(args.begin(), BinaryPath("ql7400-cli"));
        std::vector<std::string> environment = CliEnvironment(config.Path());
        environment.push_back("QL7400_TRACE=" + trace.string());
        ChildProcess child(std::move(args), {environment, -1});
        CliRun run;
        run.status = child.Wait(60s);
        run.out = child.Stdout();
        run.err = child.Stderr();
        return run;
    }

    TempDir dir;
    TempDir config;
};

TEST_F(CliTrace, ExecAppendsEveryCommandWithItsAnswer) {
    const std::filesystem::path trace = dir.File("trace.txt");
    const CliRun run = Run(
        {"exec", "COMMON.BEEP=OFF", "COMMON.BEEP", "XYZ", "CH.MCH_144.1.FREQUENCY=145.5"}, trace);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string expected =
        "COMMON.BEEP=OFF\tOFF\nCOMMON.BEEP\tOFF\nXYZ\t\nCH.MCH_144.1.FREQUENCY=145.5\t145.5000\n";
    EXPECT_EQ(ReadFileBytes(trace), expected);
    // A second run appends.
    ASSERT_EQ(Run({"exec", "COMMON.BEEP"}, trace).status, 0);
    EXPECT_EQ(ReadFileBytes(trace), expected + "COMMON.BEEP\tON\n");
}

TEST_F(CliTrace, ATraceThatCannotBeOpenedIsOnlyAWarning) {
    const CliRun run = Run({"exec", "COMMON.BEEP"}, dir.File("missing") / "trace.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ON\n");
    EXPECT_NE(run.err.find("warning"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find((dir.File("missing") / "trace.txt").string()), std::string::npos);
}

TEST_F(CliTrace, ACloneReadTracesTheLoadAndHealOfTheCloneFile) {
    SimProcess sim(dir.Path());
    const std::filesystem::path trace = dir.File("trace.txt");
    const CliRun read =
        Run({"read", "--port", sim.Link().string(), dir.File("out.icf").string()}, trace);
    ASSERT_EQ(read.status, 0) << read.err;
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(trace));
    ASSERT_EQ(lines.size(), 2U) << ReadFileBytes(trace);
    EXPECT_TRUE(lines[0].starts_with("FILE.LOAD.\"")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("\"\tOK")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("HEAL\t")) << lines[1];
}

}  // namespace
}  // namespace ql::test
