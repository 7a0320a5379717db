// How the link waits for frames: it sleeps until a frame can be complete instead of waking
// for every byte, yet hears a frame however its bytes are spread over wake-ups, throws away
// noise between frames, times out on a line that stops in the middle of a frame, and stops
// at once for a cancel that comes while it waits.

#include <sys/prctl.h>

#include <gtest/gtest.h>

#include <thread>

#include "base/CWakeSignal.h"
#include "clone/BlockCodec.h"
#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/ScriptedLinkTest.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

const Bytes kBlock = TransceiverFrame(0xE4, "01201000112233445566778899AABBCCDDEEFFD7");
const Bytes kEnd = TransceiverFrame(0xE5, "Orva Inc.");
constexpr std::string_view kBlockFile =
    "20470001\r\n#\r\n01201000112233445566778899AABBCCDDEEFF\r\n";

using FrameWait = ScriptedLinkTest;

TEST_F(FrameWait, AFrameIsHeardWhereverItsBytesAreSplit) {
    // The request's echo is in by 400 ms; the block comes in two parts far apart, the
    // last part at its shortest the end byte alone.
    for (std::size_t split = 1; split < kBlock.size(); ++split) {
        line->Deliver(Bytes(kBlock.begin(), kBlock.begin() + static_cast<std::ptrdiff_t>(split)),
                      clock.Now() + 500ms);
        line->Deliver(Bytes(kBlock.begin() + static_cast<std::ptrdiff_t>(split), kBlock.end()),
                      clock.Now() + 1500ms);
        line->Deliver(kEnd, clock.Now() + 1600ms);
        ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted) << "split at " << split;
        EXPECT_EQ(CloneFile(), kBlockFile) << "split at " << split;
    }
    // Every byte on its own, each after a pause that no rest covers.
    milliseconds at = clock.Now() + 500ms;
    for (const std::uint8_t byte : Concat({kBlock, kEnd})) line->Deliver({byte}, at += 40ms);
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(CloneFile(), kBlockFile);
}

TEST_F(FrameWait, NoiseBetweenFramesIsThrownAway) {
    line->byteGap = 3ms;  // slower than the line rate: rests wake early and look again
    peer.On(0xE2, Concat({Bytes{0x00, 0x41}, kBlock, Bytes{0x13, 0x7F, 0x30}, kBlock, Bytes{0x55},
                          kEnd}));
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(CloneFile(), std::string(kBlockFile) + "01201000112233445566778899AABBCCDDEEFF\r\n");
}

TEST_F(FrameWait, ALineThatStopsInTheMiddleOfAFrameTimesOut) {
    peer.On(0xE2, Concat({kBlock, Bytes(kBlock.begin(), kBlock.begin() + 20)}));
    EXPECT_EQ(link->ReadFromTransceiver(), CloneResult::kFailed);
    // The last complete frame came in just after the request's echo: 2 to 3 seconds later.
    EXPECT_GE(clock.Now(), 400ms + 2s);
    EXPECT_LE(clock.Now(), 400ms + 3s + CCloneLink::kPollSlice);
}

TEST_F(FrameWait, APacedLineWakesTheLinkAboutOncePerFrame) {
    line->byteGap = std::chrono::ceil<std::chrono::microseconds>(CCloneLink::kByteTime);
    Bytes blocks;
    const std::array<std::uint8_t, 32> data{};
    constexpr unsigned kBlocks = 40;
    for (unsigned i = 0; i < kBlocks; ++i) {
        const Bytes block =
            TransceiverFrame(0xE4, EncodeBlockPayload(static_cast<std::uint16_t>(i * 32), data));
        blocks.insert(blocks.end(), block.begin(), block.end());
    }
    peer.On(0xE2, Concat({blocks, kEnd}));
    ASSERT_EQ(link->ReadFromTransceiver(), CloneResult::kCompleted);
    // About 3000 bytes: a rest for the shortest block, one for the rest of it.
    EXPECT_LE(line->waits, static_cast<int>(3 * kBlocks));
    EXPECT_LE(line->reads, static_cast<int>(3 * kBlocks));

    // A write: each block's echo in one rest.
    std::string file = "20470001\r\n#\r\n";
    for (unsigned i = 0; i < kBlocks; ++i) file += "000001AB\r\n";
    WriteFileBytes(dir.File("clone.icf"), file);
    peer.On(0xE5, TransceiverFrame(0xE6, Bytes{0x00}));
    line->waits = line->reads = 0;
    peer.frames.clear();
    ASSERT_EQ(link->WriteToTransceiver(), CloneResult::kCompleted);
    EXPECT_LE(line->waits, static_cast<int>(2 * kBlocks));
    EXPECT_EQ(peer.frames.size(), kBlocks + 2);
}

// The kernel may end an ordinary thread's sleep up to 50 microseconds late; on every frame of
// a write that would add to the clone's time. The thread gets its own slack back afterwards.
TEST_F(FrameWait, AnExchangeSleepsWithoutSlackAndGivesTheThreadItsSlackBack) {
    const int before = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    constexpr unsigned long kOwnSlack = 70'000;
    ASSERT_EQ(::prctl(PR_SET_TIMERSLACK, kOwnSlack, 0, 0, 0), 0);
    peer.On(0xE2, Concat({kBlock, kEnd}));
    const CloneResult result = link->ReadFromTransceiver();
    const int after = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    (void)::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(before), 0, 0, 0);
    EXPECT_EQ(result, CloneResult::kCompleted);
    EXPECT_EQ(line->writerTimerSlack, 1000);
    EXPECT_EQ(after, static_cast<int>(kOwnSlack));
}

// A progress display that the test cancels from another thread, as the window does.
class WakingUi final : public CCloneProgress {
  public:
    void ShowStatus(std::string_view /*text*/) override {}
    void BeginProgress(std::string_view /*caption*/) override {}
    void SetProgress(int /*percent*/) override {}
    [[nodiscard]] bool CancelRequested() override {
        signal.Clear();
        return cancel.exchange(false);
    }
    [[nodiscard]] int CancelDescriptor() override { return signal.Descriptor(); }
    void EndProgress() override {}

    std::atomic<bool> cancel{false};
    CWakeSignal signal;
};

TEST(FrameWaitOnPty, ACancelEndsAWaitAtOnce) {
    ScriptedPeer peer;  // echoes the request, then says nothing
    PtyPeer pty(peer);
    CMonotonicClock clock;
    RecordingTones tones;
    TempDir dir;
    WakingUi ui;
    CCloneLink link(std::make_unique<CComPort>(), clock, tones);
    link.SetDevice(pty.Device());
    link.SetFile(dir.File("clone.icf"));
    link.SetProgress(&ui);
    std::thread canceller([&] {
        std::this_thread::sleep_for(700ms);  // past the pauses, into the wait for blocks
        ui.cancel.store(true);
        ui.signal.Raise();
    });
    const auto started = std::chrono::steady_clock::now();
    const CloneResult result = link.ReadFromTransceiver();
    const auto took = std::chrono::steady_clock::now() - started;
    canceller.join();
    EXPECT_EQ(result, CloneResult::kCancelled);
    // The wait would last until the time-out (2 to 3 s); the pauses and the 500 ms before
    // the display goes take 900 ms.
    EXPECT_LT(took, 700ms + 500ms + 300ms);
}

}  // namespace
}  // namespace ql::test
