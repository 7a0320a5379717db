// The clone link with the real port against the simulated transceiver: whole exchanges,
// and every failure the simulator can show ending in its result code. The fake clock keeps
// pauses and time-outs short; one exchange waits out its time-out on the real clock.

#include <gtest/gtest.h>

#include <optional>

#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/ChildProcess.h"
#include "clone/CloneFakes.h"
#include "clone/TestLines.h"
#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

class Simulator : public ::testing::Test {
  protected:
    void Start(std::vector<std::string> args, bool realClock = false) {
        sim.emplace(dir.Path(), std::move(args));
        if (realClock) {
            link.emplace(std::make_unique<CComPort>(), monotonic, tones);
        } else {
            link.emplace(std::make_unique<FastSilenceLine>(std::make_unique<CComPort>(), clock),
                         clock, tones);
        }
        link->SetDevice(sim->Link().string());
        link->SetModel(0x2047);
        link->SetRevision(1);
        link->SetExpectedBlocks(112);
        link->SetFile(dir.File("clone.icf"));
    }
    // Writes image as the clone file of a write.
    void WriteCloneFile(const CMemoryImage& image) {
        ASSERT_EQ(WriteIcf(dir.File("clone.icf"), image.Bytes(), "comment"), IcfResult::kOk);
    }
    [[nodiscard]] static CMemoryImage Patterned() {
        CMemoryImage image(kImageSize);
        for (int i = 0; i < kImageSize; ++i) image.WriteByte(i, static_cast<unsigned>(i * 7 % 251));
        return image;
    }

    TempDir dir;
    FakeClock clock;
    CMonotonicClock monotonic;
    RecordingTones tones;
    std::optional<SimProcess> sim;
    std::optional<CCloneLink> link;
};

TEST_F(Simulator, IdentifiesItselfAsConfigured) {
    Start({"--country", "7", "--expand", "33", "--comment", "Mobile 2"});
    ASSERT_EQ(link->ReadInformation(), CloneResult::kCompleted);
    const CIdentityRecord& info = link->GetInformation();
    EXPECT_EQ(info.modelCode, 0x2047);
    EXPECT_EQ(info.revision, 1);
    EXPECT_EQ(info.payloadLength, 18);
    EXPECT_EQ(info.payload[0], 7);
    EXPECT_EQ(info.payload[1], 33);
    EXPECT_EQ(info.Comment(), "Mobile 2        ");
}

TEST_F(Simulator, TakesTheVersionByNameAsWellAsByNumber) {
    Start({"--country", "eur-b"});
    ASSERT_EQ(link->ReadInformation(), CloneResult::kCompleted);
    EXPECT_EQ(link->GetInformation().payload[0], 5);
}

TEST(SimulatorCommandLine, HelpPrintsTheUsageWithEveryVersionAndAWrongVersionIsRefused) {
    ChildProcess help({BinaryPath("rz7400-sim"), "--help"});
    EXPECT_EQ(help.Wait(30s), 0);
    EXPECT_TRUE(help.Stdout().starts_with("usage: rz7400-sim --link PATH")) << help.Stdout();
    for (const std::string_view version : {"0 USA-A", "5 EUR-B", "15 JPN-3"}) {
        EXPECT_NE(help.Stdout().find(version), std::string::npos) << version;
    }
    EXPECT_EQ(help.Stderr(), "");

    for (const std::string_view country : {"16", "EUR-Z", "-1", ""}) {
        ChildProcess wrong({BinaryPath("rz7400-sim"), "--link", "/nonexistent/rz", "--country",
                            std::string(country)});
        EXPECT_EQ(wrong.Wait(30s), 2) << country;
        EXPECT_TRUE(
            wrong.Stderr().starts_with("rz7400-sim: missing or bad value for --country\n"
                                       "usage: "))
            << wrong.Stderr();
        EXPECT_EQ(wrong.Stdout(), "");
    }
}

TEST_F(Simulator, ReadBringsItsWholeMemory) {
    Start({"--country", "5"});
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(dir.File("clone.icf")));
    EXPECT_EQ(lines.size(), 2U + 112U);
    EXPECT_EQ(ReadImage(dir.File("clone.icf")), BuildFactoryImage(5));
}

TEST_F(Simulator, WriteThenReadBackTheSameMemoryOverSuccessiveOpens) {
    Start({"--written", dir.File("written.icf").string(), "--block-size", "122"});
    WriteCloneFile(Patterned());
    ASSERT_EQ(link->WriteToTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ReadImage(dir.File("written.icf")), Patterned());
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ReadImage(dir.File("clone.icf")), Patterned());
    EXPECT_EQ(link->ReadInformation(), CloneResult::kCompleted);
}

TEST_F(Simulator, NoiseBetweenFramesChangesNothing) {
    Start({"--fault", "noise", "--written", dir.File("written.icf").string()});
    EXPECT_EQ(link->ReadInformation(), CloneResult::kCompleted);
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ReadImage(dir.File("clone.icf")), BuildFactoryImage(0));
    WriteCloneFile(Patterned());
    EXPECT_EQ(link->WriteToTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ReadImage(dir.File("written.icf")), Patterned());
}

// Each failure, and whether a write leaves anything in the simulator's memory.
struct FaultCase {
    const char* fault;
    CloneResult read;
    CloneResult write;

    friend void PrintTo(const FaultCase& fault, std::ostream* out) { *out << fault.fault; }
};

class SimulatorFault : public Simulator, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SimulatorFault, EndsInItsResultCode) {
    const std::filesystem::path written = dir.File("written.icf");
    Start({"--fault", GetParam().fault, "--written", written.string()});
    EXPECT_EQ(link->ReadFromTransceiver(), GetParam().read);
    WriteCloneFile(Patterned());
    EXPECT_EQ(link->WriteToTransceiver(), GetParam().write);
    if (GetParam().write != CloneResult::kCompleted) {
        EXPECT_FALSE(std::filesystem::exists(written));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SimulatorFault,
    ::testing::Values(FaultCase{"bad-checksum:5", CloneResult::kFailed, CloneResult::kFailed},
                      FaultCase{"silent-after:3", CloneResult::kFailed, CloneResult::kFailed},
                      FaultCase{"result:1", CloneResult::kCompleted, CloneResult::kFailed},
                      FaultCase{"result:0x40", CloneResult::kCompleted, CloneResult::kFailed},
                      // Without an echo the write never gets past its request;
                      // a read does not need the echo.
                      FaultCase{"no-echo", CloneResult::kCompleted, CloneResult::kFailed},
                      // The link alone cannot tell that a read ended early.
                      FaultCase{"end-after:10", CloneResult::kCompleted, CloneResult::kCompleted}),
    [](const auto& param) {
        std::string name = param.param.fault;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST_F(Simulator, NoAnswerTimesOutOnTheRealClock) {
    Start({"--fault", "no-answer"}, true);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(link->ReadInformation(), CloneResult::kFailed);
    const auto took = std::chrono::steady_clock::now() - started;
    // Two pauses of 200 ms, then more than 2 and at most 3 whole seconds; a loaded
    // machine may add to that.
    EXPECT_GE(took, 2400ms);
    EXPECT_LE(took, 8s);
}

TEST_F(Simulator, OnceEndsAfterOneExchange) {
    Start({"--once"});
    EXPECT_EQ(link->ReadInformation(), CloneResult::kCompleted);
    EXPECT_EQ(sim->Process().Wait(30s), 0);
    EXPECT_FALSE(std::filesystem::exists(sim->Link()));  // its link went with it
}

TEST_F(Simulator, AnOldLinkIsReplaced) {
    std::filesystem::create_symlink("/nowhere", dir.File("rz7400"));
    Start({});
    EXPECT_EQ(std::filesystem::read_symlink(sim->Link()), sim->Device());
    EXPECT_EQ(link->ReadInformation(), CloneResult::kCompleted);
}

}  // namespace
}  // namespace ql::test
