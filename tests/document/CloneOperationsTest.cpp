// Clone in, Clone out and Clone info. with the radio data object: the version check, what
// changes, the signal and every report.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "base/TempFile.h"
#include "clone/BlockCodec.h"
#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/ChildProcess.h"
#include "clone/CloneFile.h"
#include "clone/CloneStrings.h"
#include "clone/TestLines.h"
#include "document/CCloneOperations.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

std::string Status(int id) {
    return "status: " + std::string(CloneText(id));
}
std::string Warning(int id) {
    return "box!: " + std::string(CloneText(id));
}

const std::vector<Tone>& FailureSignal() {
    static const std::vector<Tone> signal = [] {
        RecordingTones tones;
        FakeClock clock;
        ScriptedPeer peer;
        CCloneLink(std::make_unique<MemoryLine>(clock, peer), clock, tones).SignalResult(false);
        return tones.signals.at(0);
    }();
    return signal;
}

// The operations on a data set of version 0 that completed its setup, against the
// simulator (real port) or an in-memory line, both on the fake clock.
class CloneOperationsFixture : public ::testing::Test {
  protected:
    void WithSimulator(std::vector<std::string> args) {
        sim.emplace(dir.Path(), std::move(args));
        link.emplace(std::make_unique<FastSilenceLine>(std::make_unique<CComPort>(), simClock),
                     simClock, tones);
        link->SetDevice(sim->Link().string());
        Finish();
    }
    void WithMemoryLine() {
        auto line = std::make_unique<MemoryLine>(fakeClock, peer);
        memory = line.get();
        link.emplace(std::move(line), fakeClock, tones);
        Finish();
    }
    void Finish() {
        link->SetExpectedBlocks(112);
        operations.emplace(radio.Data(), *link, cloneFile.Path(), ui);
    }

    TempDir dir;
    TestRadio radio{0};
    CCloneFile cloneFile;
    ScriptedUi ui;
    RecordingTones tones;
    FakeClock simClock;
    FakeClock fakeClock;
    ScriptedPeer peer;
    MemoryLine* memory = nullptr;
    std::optional<SimProcess> sim;
    std::optional<CCloneLink> link;
    std::optional<CCloneOperations> operations;
};

using CloneOperations = CloneOperationsFixture;

TEST_F(CloneOperations, CloneInTakesTheTransceiversMemory) {
    TestRadio source{0};
    source("CH.MCH_144.12.FREQUENCY=145.5000");
    source("COMMON.CLONE_COMMENT=From the radio");
    ASSERT_EQ(source(Quoted("FILE.SAVE.", dir.File("memory.icf"))), "OK");
    WithSimulator({"--image", dir.File("memory.icf").string()});

    EXPECT_EQ(operations->CloneIn(false), CloneResult::kCompleted);
    EXPECT_EQ(radio.Dump(), source.Dump());
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{Status(text_id::kNowReading),
                                                     Status(text_id::kCloningCompleted)}));
    EXPECT_EQ(ui.log.back(), Status(text_id::kCloningCompleted));
    EXPECT_NE(std::find(ui.log.begin(), ui.log.end(), "data loaded"), ui.log.end());
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(tones.signals.at(0).front().hertz, 1000U);
}

TEST_F(CloneOperations, AReadThatEndedEarlyIsAFailedReadAndChangesNothing) {
    WithSimulator({"--fault", "end-after:100"});
    radio("CH.MCH_144.3.FREQUENCY=146.0000");
    const std::string before = radio.Dump();

    EXPECT_EQ(operations->CloneIn(false), CloneResult::kFailed);
    EXPECT_EQ(radio.Dump(), before);
    EXPECT_EQ(ui.Report(),
              (std::vector<std::string>{Status(text_id::kNowReading), Status(text_id::kCannotRead),
                                        Warning(text_id::kCheckCloning)}));
    EXPECT_EQ(std::find(ui.log.begin(), ui.log.end(), "data loaded"), ui.log.end());
    EXPECT_EQ(tones.signals.at(0), FailureSignal());
}

TEST_F(CloneOperations, CloneOutWritesTheSafetyFileAndLeavesTheDataSetAlone) {
    WithSimulator({"--written", dir.File("written.icf").string()});
    radio("CH.MCH_430.2.FREQUENCY=433.0000");
    ASSERT_EQ(radio(Quoted("FILE.SAVE.WithSafety.", dir.File("expected.icf"))), "OK");
    radio->SetModified(true);

    EXPECT_EQ(operations->CloneOut(), CloneResult::kCompleted);
    EXPECT_EQ(ReadImage(dir.File("written.icf")), ReadImage(dir.File("expected.icf")));
    EXPECT_TRUE(radio->IsModified());
    EXPECT_EQ(ui.log.front(), "confirm: " + std::string(CloneText(text_id::kWriteToTransceiver)));
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{
                               Status(text_id::kNowWriting), Status(text_id::kCloningCompleted),
                               "box: " + std::string(CloneText(text_id::kWriteSucceeded))}));
}

// A clone file that cannot be written is no cable fault: nothing goes out, nothing comes in,
// and the box names the temporary directory and the cause.
TEST_F(CloneOperations, AFailedCloneFileSendsAndLoadsNothingAndSaysWhy) {
    WithSimulator({"--written", dir.File("written.icf").string()});
    const auto folder = dir.File("gone");
    operations.emplace(radio.Data(), *link, folder / "clone.icf", ui);
    radio("CH.MCH_144.3.FREQUENCY=146.0000");
    const std::string before = radio.Dump();
    const std::string box = "box!: the clone file cannot be written in the temporary directory " +
                            folder.string() + ": no such file or device";

    EXPECT_EQ(operations->CloneOut(), CloneResult::kFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.File("written.icf")));
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{Status(text_id::kCannotWrite), box}));
    EXPECT_EQ(tones.signals.at(0), FailureSignal());

    ui.log.clear();
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kFailed);
    EXPECT_EQ(radio.Dump(), before);
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{Status(text_id::kNowReading),
                                                     Status(text_id::kCannotRead), box}));

    // No clone file at all: the system temporary directory is named.
    operations.emplace(radio.Data(), *link, std::filesystem::path(), ui);
    ui.log.clear();
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kFailed);
    ASSERT_FALSE(ui.log.empty());
    EXPECT_NE(ui.log.back().find("temporary directory " + TemporaryDirectory().string()),
              std::string::npos)
        << ui.log.back();
    EXPECT_EQ(radio.Dump(), before);
}

TEST_F(CloneOperations, CloneInfoShowsTheTransceiversComment) {
    WithSimulator({"--comment", "Base station"});
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kCompleted);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"information: RZ-7400|Base station    "}));
}

TEST_F(CloneOperations, AForeignModelOrRevisionIsRefusedBeforeAnyTransfer) {
    for (const char* fault : {"model:2048", "revision:2"}) {
        sim.reset();
        ui.log.clear();
        WithSimulator({"--fault", fault, "--written", dir.File("written.icf").string()});
        EXPECT_EQ(operations->CloneIn(false), CloneResult::kModelMismatch);
        EXPECT_EQ(operations->CloneOut(), CloneResult::kModelMismatch);
        EXPECT_EQ(operations->CloneInformation(), CloneResult::kModelMismatch);
        EXPECT_EQ(
            ui.Report(),
            (std::vector<std::string>{
                Status(text_id::kIllegalInformation), Warning(text_id::kCannotBeProgrammed),
                Status(text_id::kIllegalInformation), Warning(text_id::kCannotBeProgrammed),
                Status(text_id::kIllegalInformation), Warning(text_id::kCannotBeProgrammed)}));
        EXPECT_FALSE(std::filesystem::exists(dir.File("written.icf")));
    }
}

TEST_F(CloneOperations, AnotherVersionOrExpansionIsRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--country", "3"}, std::vector<std::string>{"--expand", "1"}}) {
        sim.reset();
        ui.log.clear();
        WithSimulator(args);
        EXPECT_EQ(operations->CloneIn(false), CloneResult::kVersionMismatch);
        EXPECT_EQ(operations->CloneInformation(), CloneResult::kVersionMismatch);
        EXPECT_EQ(ui.Report(),
                  (std::vector<std::string>{
                      Status(text_id::kVersionMismatch), Warning(text_id::kVersionNotSetUp),
                      Status(text_id::kVersionMismatch), Warning(text_id::kVersionNotSetUp)}));
    }
}

TEST_F(CloneOperations, AModifiedDocumentAsksFirstAndCancelTouchesNothing) {
    WithMemoryLine();
    ui.answerOk = false;
    EXPECT_EQ(operations->CloneIn(true), std::nullopt);
    EXPECT_EQ(operations->CloneOut(), std::nullopt);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"confirm:  Read from transceiver, Data has been edited.",
                                        "confirm:  Write to transceiver"}));
    EXPECT_EQ(memory->opens, 0);
    EXPECT_TRUE(tones.signals.empty());
}

TEST_F(CloneOperations, WithNoTransceiverEachCommandReportsItsOwnFailure) {
    WithMemoryLine();
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kFailed);
    EXPECT_EQ(operations->CloneOut(), CloneResult::kFailed);
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kFailed);
    EXPECT_EQ(ui.Report(),
              (std::vector<std::string>{
                  Status(text_id::kCannotRead), Warning(text_id::kCheckCloning),
                  Status(text_id::kCannotWrite), Warning(text_id::kCheckCloning),
                  Status(text_id::kIllegalInformation), Warning(text_id::kCheckCloning)}));
    EXPECT_EQ(tones.signals, (std::vector<std::vector<Tone>>(3, FailureSignal())));
}

TEST_F(CloneOperations, APortThatCannotBeOpened) {
    WithMemoryLine();
    memory->refuseOpen = true;
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kPortUnavailable);
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kPortUnavailable);
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{
                               Status(text_id::kCannotAccessPort), Warning(text_id::kCheckPort),
                               Status(text_id::kCannotAccessPort), Warning(text_id::kCheckPort)}));
}

// The likely cause goes with the box, just before it; the status texts and boxes stay as
// they are.
TEST_F(CloneOperations, AFailureNamesItsLikelyCause) {
    WithMemoryLine();
    link->SetDevice("/dev/ttyUSB5");  // the peer echoes, but never answers
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kFailed);
    ASSERT_GE(ui.log.size(), 2U);
    EXPECT_EQ(ui.log.back(), Warning(text_id::kCheckCloning));
    EXPECT_TRUE(ui.log[ui.log.size() - 2].starts_with(
        "cause: /dev/ttyUSB5: only the echo of what was sent came back: the transceiver is not "
        "in cloning mode"))
        << ui.log[ui.log.size() - 2];

    const std::string missing = dir.File("ttyUSB9").string();
    link.emplace(std::make_unique<CComPort>(), fakeClock, tones);
    link->SetDevice(missing);
    Finish();
    ui.log.clear();
    EXPECT_EQ(operations->CloneOut(), CloneResult::kPortUnavailable);
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{Status(text_id::kCannotAccessPort),
                                                     Warning(text_id::kCheckPort)}));
    EXPECT_TRUE(
        ui.log[ui.log.size() - 2].starts_with("cause: " + missing + ": the device does not exist"))
        << ui.log[ui.log.size() - 2];

    // A version that does not match is no line fault: no cause.
    ui.log.clear();
    WithSimulator({"--country", "3"});
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kVersionMismatch);
    for (const std::string& line : ui.log) EXPECT_FALSE(line.starts_with("cause: ")) << line;
}

TEST_F(CloneOperations, AnIdentificationWithoutVersionOrExpansionMatchesNothing) {
    WithMemoryLine();
    // Model code and revision match, but only the version byte came.
    peer.On(0xE0, TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0x00}));
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kVersionMismatch);
    peer.On(0xE0, TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01}));
    EXPECT_EQ(operations->CloneOut(), CloneResult::kVersionMismatch);
}

TEST_F(CloneOperations, CancelEndsAReadAndReportsIt) {
    WithMemoryLine();
    peer.On(0xE0, TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0x00, 0x00}));
    Bytes blocks;
    const std::array<std::uint8_t, 36> data{};
    for (std::uint16_t address = 0; address < 2000; address += 36) {
        const Bytes block = TransceiverFrame(0xE4, EncodeBlockPayload(address, data));
        blocks.insert(blocks.end(), block.begin(), block.end());
    }
    peer.On(0xE2, blocks);
    ui.cancelAtPercent = 20;
    const std::string before = radio.Dump();
    EXPECT_EQ(operations->CloneIn(false), CloneResult::kCancelled);
    EXPECT_EQ(ui.Report(), (std::vector<std::string>{Status(text_id::kNowReading),
                                                     Status(text_id::kTerminated)}));
    EXPECT_EQ(radio.Dump(), before);
}

// A window runs the exchange on a worker thread and the data set on its own: every command the
// operations send to the data set goes through the interface's data-set access.
TEST_F(CloneOperations, TheDataSetIsOnlyTouchedThroughTheDataSetAccess) {
    TestRadio source{0};
    source("CH.MCH_144.12.FREQUENCY=145.5000");
    ASSERT_EQ(source(Quoted("FILE.SAVE.", dir.File("memory.icf"))), "OK");
    WithSimulator({"--image", dir.File("memory.icf").string(), "--comment", "Shack"});
    std::vector<std::string> outside;
    int commands = 0;
    radio->SetCommandObserver([&](std::string_view text, std::string_view /*answer*/) {
        ++commands;
        if (ui.dataSetDepth == 0) outside.emplace_back(text);
    });

    EXPECT_EQ(operations->CloneIn(false), CloneResult::kCompleted);
    EXPECT_EQ(commands, 2) << "the clone file's load and heal";
    const int afterIn = ui.dataSetAccesses;
    EXPECT_GE(afterIn, 3) << "version check, model, load";
    EXPECT_EQ(operations->CloneOut(), CloneResult::kCompleted);
    const int afterOut = ui.dataSetAccesses;
    EXPECT_GE(afterOut - afterIn, 3) << "version check, model, the file sent";
    EXPECT_EQ(operations->CloneInformation(), CloneResult::kCompleted);
    EXPECT_GE(ui.dataSetAccesses - afterOut, 2) << "version check, model name";
    EXPECT_EQ(outside, std::vector<std::string>{});
    EXPECT_EQ(ui.dataSetDepth, 0);
    EXPECT_EQ(radio("CH.MCH_144.12.FREQUENCY"), "145.5000");
}

TEST(CloneFile, IsAnUnguessableFileInTheTemporaryDirectoryForItsLifetime) {
    TempDir dir;
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old != nullptr ? old : "";
    setenv("TMPDIR", dir.Path().c_str(), 1);
    std::filesystem::path first;
    {
        const CCloneFile file;
        const CCloneFile other;
        first = file.Path();
        EXPECT_EQ(first.parent_path(), dir.Path());
        EXPECT_TRUE(first.filename().string().starts_with("cl"));
        EXPECT_EQ(first.filename().string().size(), 8U);  // "cl" and six random characters
        EXPECT_TRUE(std::filesystem::exists(first));
        EXPECT_NE(file.Path(), other.Path());
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    if (old != nullptr) {
        setenv("TMPDIR", saved.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

}  // namespace
}  // namespace ql::test
