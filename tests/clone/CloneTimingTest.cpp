// Time in the exchanges, on the fake clock: pauses, the time-out after silence, progress,
// cancel, and the acoustic signal.

#include <gtest/gtest.h>

#include "clone/BlockCodec.h"
#include "clone/CCloneLink.h"
#include "clone/CloneStrings.h"
#include "clone/ScriptedLinkTest.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

class CloneTiming : public ScriptedLinkTest {
  protected:
    CloneTiming() { link->SetExpectedBlocks(112); }
};

TEST_F(CloneTiming, SilenceEndsTheExchangeBetweenTwoAndThreeSecondsAfterTheRequest) {
    EXPECT_EQ(link->ReadInformation(), CloneResult::kFailed);
    // 200 ms before and after the request, then more than 2 whole seconds of silence.
    EXPECT_EQ(clock.sleeps, (std::vector<milliseconds>{200ms, 200ms}));
    EXPECT_GE(clock.Now(), 400ms + 2s);
    EXPECT_LE(clock.Now(), 400ms + 3s + CCloneLink::kPollSlice);
    EXPECT_FALSE(line->IsOpen());
}

TEST_F(CloneTiming, EveryCompleteFrameRestartsTheTimeOut) {
    // Frames of no one (neither address pair) are ignored, yet they count as life.
    const Bytes stray{0xFE, 0xFE, 0x00, 0x00, 0xE4, 0xFD};
    peer.echo = false;
    for (const milliseconds at : {2s, 4s, 6s}) line->Deliver(stray, at);
    line->Deliver(TransceiverFrame(0xE5, "Orva Inc."), 8s);
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(clock.Now(), 8s);
}

TEST_F(CloneTiming, AFrameAfterTooLongASilenceComesTooLate) {
    peer.echo = false;
    line->Deliver(TransceiverFrame(0xE5, "Orva Inc."), 3s + 500ms);  // 3 s after the clock started
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kFailed);
}

TEST_F(CloneTiming, ReadProgressAdvancesInTensAndCancelEndsTheExchange) {
    ScriptedUi ui;
    link->SetProgress(&ui);
    Bytes blocks;
    const std::array<std::uint8_t, 36> data{};
    for (unsigned i = 0; i < 112; ++i) {
        const Bytes block =
            TransceiverFrame(0xE4, EncodeBlockPayload(static_cast<std::uint16_t>(i * 36), data));
        blocks.insert(blocks.end(), block.begin(), block.end());
    }
    peer.On(0xE2, Concat({blocks, TransceiverFrame(0xE5, "Orva Inc.")}));
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ui.percents, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    // About 9000 bytes arrived at once: the display heard of each new percentage and of
    // the pauses' slices, not of every byte.
    EXPECT_LT(ui.progressCalls, 100);
    EXPECT_LT(ui.cancelChecks, 20);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"status: " + std::string(CloneText(text_id::kNowReading)),
                                        "progress: Cloning", "progress end"}));

    ScriptedUi cancelling;
    cancelling.cancelAtPercent = 30;
    link->SetProgress(&cancelling);
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kCancelled);
    EXPECT_EQ(cancelling.percents.back(), 30);
    EXPECT_FALSE(line->IsOpen());
}

TEST_F(CloneTiming, PausesKeepTheProgressDisplayServedButTheIdentificationsDoNot) {
    ScriptedUi ui;
    link->SetProgress(&ui);
    peer.On(0xE0, TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0x00, 0x00}));
    EXPECT_EQ(link->ReadInformation(), CloneResult::kCompleted);
    EXPECT_EQ(clock.sleeps, (std::vector<milliseconds>{200ms, 200ms}));
    EXPECT_EQ(ui.progressCalls, 0);

    clock.sleeps.clear();
    peer.On(0xE2, TransceiverFrame(0xE5, "Orva Inc."));
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    // 200 ms before and after the request and 500 ms before the display goes, in slices
    // with the display served after each.
    milliseconds slept{0};
    for (const milliseconds sleep : clock.sleeps) {
        EXPECT_LE(sleep, CCloneLink::kPollSlice);
        slept += sleep;
    }
    EXPECT_EQ(slept, 900ms);
    EXPECT_GE(ui.progressCalls, static_cast<int>(clock.sleeps.size()));
}

TEST_F(CloneTiming, AWaitWithoutBytesServesTheDisplayOncePerSlice) {
    ScriptedUi ui;
    link->SetProgress(&ui);
    peer.echo = false;
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kFailed);
    // Silence of up to 3 s in 20 ms slices: one call each, give or take the last.
    const auto slices = static_cast<int>(3s / CCloneLink::kPollSlice);
    EXPECT_LE(ui.cancelChecks, slices + 2);
    EXPECT_GE(ui.cancelChecks, slices * 2 / 3);
}

TEST_F(CloneTiming, ACancelThatComesAfterTheEndLeavesTheReadCompleted) {
    ScriptedUi ui;
    ui.cancelAtPercent = 100;  // the user presses Escape as the bar fills
    link->SetProgress(&ui);
    peer.On(0xE2, TransceiverFrame(0xE5, "Orva Inc."));
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(ui.percents.back(), 100);
}

TEST_F(CloneTiming, WritePausesBeforeItsFirstBlock) {
    WriteFileBytes(dir.File("clone.icf"), "20470001\r\n#\r\n000001AB\r\n");
    peer.On(0xE5, TransceiverFrame(0xE6, Bytes{0x00}));
    EXPECT_EQ(link->WriteToTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(clock.sleeps, (std::vector<milliseconds>{200ms, 200ms, 200ms}));
}

TEST_F(CloneTiming, APortThatCannotBeOpenedSendsNothing) {
    ScriptedUi ui;
    link->SetProgress(&ui);
    line->refuseOpen = true;
    EXPECT_EQ(link->ReadInformation(), CloneResult::kPortUnavailable);
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kPortUnavailable);
    EXPECT_TRUE(peer.heard.empty());
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(ui.log.back(), "progress end");  // the progress display is gone again
}

TEST_F(CloneTiming, SignalsForSuccessAndFailure) {
    link->SignalResult(true);
    link->SignalResult(false);
    ASSERT_EQ(tones.signals.size(), 2U);
    EXPECT_EQ(tones.signals[0],
              (std::vector<Tone>{{1000, 50ms}, {0, 50ms}, {1000, 50ms}, {0, 500ms}}));
    EXPECT_EQ(tones.signals[1], (std::vector<Tone>{{500, 400ms},
                                                   {0, 100ms},
                                                   {500, 400ms},
                                                   {0, 100ms},
                                                   {500, 400ms},
                                                   {0, 100ms},
                                                   {500, 400ms},
                                                   {0, 500ms}}));
}

}  // namespace
}  // namespace ql::test
