// The command trace: one line per command sent through Command, appended and flushed.

#include <gtest/gtest.h>

#include "model/CCommandTrace.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

TEST(CommandTrace, AppendsEachCommandAndItsAnswerAsItReturns) {
    TempDir dir;
    const auto path = dir.File("trace.txt");
    WriteFileBytes(path, "earlier\tline\n");
    TestRadio radio(0);
    {
        CCommandTrace trace(path);
        ASSERT_TRUE(trace.Ok());
        trace.Attach(radio.Data());
        radio("COMMON.BEEP=OFF");
        // Written before the next command, not at the end.
        EXPECT_EQ(ReadFileBytes(path), "earlier\tline\nCOMMON.BEEP=OFF\tOFF\n");
        radio("NO.SUCH.COMMAND");
        radio->SetModified(false);  // bookkeeping is no command of the user interface
        radio->SetCommandObserver({});
    }
    EXPECT_EQ(ReadFileBytes(path), "earlier\tline\nCOMMON.BEEP=OFF\tOFF\nNO.SUCH.COMMAND\t\n");
}

TEST(CommandTrace, AFileThatCannotBeOpenedIsNamed) {
    TempDir dir;
    CCommandTrace trace(dir.File("missing") / "trace.txt");
    EXPECT_FALSE(trace.Ok());
    EXPECT_NE(trace.Failure().find("missing"), std::string::npos);
    trace.Record("A", "B");  // nothing happens
}

}  // namespace
}  // namespace ql::test
