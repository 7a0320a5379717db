#include <gtest/gtest.h>

#include "base/CommandTrace.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

TEST(CommandTrace, AppendsOneLinePerCommandAsItReturns) {
    const TempDir dir;
    WriteFileBytes(dir.File("trace.txt"), "EARLIER\tOK\n");
    CCommandTrace trace(dir.File("trace.txt"));
    ASSERT_TRUE(trace.IsOpen()) << trace.Failure();
    trace.Record("COMMON.BEEP", "ON");
    // Nothing waits in a buffer: the line is in the file before the next command runs.
    EXPECT_EQ(ReadFileBytes(dir.File("trace.txt")), "EARLIER\tOK\nCOMMON.BEEP\tON\n");
    trace.Record("XYZ", "");
    CCommandTrace moved = std::move(trace);
    moved.Record("HEAL", "OK");
    EXPECT_EQ(ReadFileBytes(dir.File("trace.txt")),
              "EARLIER\tOK\nCOMMON.BEEP\tON\nXYZ\t\nHEAL\tOK\n");
}

TEST(CommandTrace, AFileThatCannotBeOpenedIsNamedAndRecordsNothing) {
    const TempDir dir;
    CCommandTrace trace(dir.File("missing") / "trace.txt");
    EXPECT_FALSE(trace.IsOpen());
    EXPECT_NE(trace.Failure().find((dir.File("missing") / "trace.txt").string()), std::string::npos)
        << trace.Failure();
    trace.Record("COMMON.BEEP", "ON");  // harmless
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

}  // namespace
}  // namespace ql::test
