// The exchanges of the clone link byte for byte, run once over an in-memory line on the
// fake clock and once over a real pseudo-terminal with the real port and clock.

#include <gtest/gtest.h>

#include <optional>

#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/TestLines.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

struct MemoryTransport {
    FakeClock clock;
    ScriptedPeer peer;
    MemoryLine* line = nullptr;

    void Start() {}
    std::unique_ptr<CSerialLine> MakeLine() {
        auto made = std::make_unique<MemoryLine>(clock, peer);
        line = made.get();
        return made;
    }
    CClock& Clock() { return clock; }
    std::string Device() const { return "memory"; }
    Bytes Heard() const { return peer.heard; }
};

struct PtyTransport {
    FakeClock clock;
    ScriptedPeer peer;
    std::optional<PtyPeer> pty;

    void Start() { pty.emplace(peer); }
    std::unique_ptr<CSerialLine> MakeLine() {
        return std::make_unique<FastSilenceLine>(std::make_unique<CComPort>(), clock);
    }
    CClock& Clock() { return clock; }
    std::string Device() const { return pty->Device(); }
    Bytes Heard() { return pty->Heard(); }
};

template <typename Transport>
class CloneLinkExchange : public ::testing::Test {
  protected:
    // Starts the far end with the rules set so far and makes the link.
    CCloneLink& Link() {
        if (!link_) {
            transport.Start();
            link_.emplace(transport.MakeLine(), transport.Clock(), tones);
            link_->SetDevice(transport.Device());
            link_->SetModel(0x2047);
            link_->SetRevision(1);
            link_->SetFile(dir.File("clone.icf"));
        }
        return *link_;
    }
    void WriteCloneFile(std::string_view text) { WriteFileBytes(dir.File("clone.icf"), text); }
    // The computer's frames as heard by the far end.
    std::vector<Bytes> SentFrames() {
        std::vector<Bytes> frames;
        for (const std::uint8_t byte : transport.Heard()) {
            if (frames.empty() || frames.back().back() == 0xFD) frames.emplace_back();
            frames.back().push_back(byte);
        }
        return frames;
    }

    Transport transport;
    RecordingTones tones;
    TempDir dir;

  private:
    std::optional<CCloneLink> link_;
};

using Transports = ::testing::Types<MemoryTransport, PtyTransport>;
TYPED_TEST_SUITE(CloneLinkExchange, Transports);

TYPED_TEST(CloneLinkExchange, InformationRequestAndAnswer) {
    this->transport.peer.On(
        0xE0,
        TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0x02, 0x21, 'R', 'Z', '-', '7', '4',
                                     '0',  '0',  ' ',  'c',  'o',  'm',  'm', 'e', 'n', 't', '!'}));
    ASSERT_EQ(this->Link().ReadInformation(), CloneResult::kCompleted);
    EXPECT_EQ(this->transport.Heard(),
              (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x00, 0x00, 0x00, 0x00, 0xFD}));
    const CIdentityRecord& info = this->Link().GetInformation();
    EXPECT_EQ(info.modelCode, 0x2047);
    EXPECT_EQ(info.revision, 1);
    EXPECT_EQ(info.payload[0], 2);
    EXPECT_EQ(info.payload[1], 0x21);
    EXPECT_EQ(info.Comment(), "RZ-7400 comment!");
}

TYPED_TEST(CloneLinkExchange, ReadTurnsEachBlockIntoALineOfTheCloneFile) {
    this->transport.peer.On(
        0xE2, Concat({TransceiverFrame(0xE4, "01201000112233445566778899AABBCCDDEEFFD7"),
                      TransceiverFrame(0xE4, "000001AB54"), TransceiverFrame(0xE5, "Orva Inc.")}));
    ASSERT_EQ(this->Link().ReadFromTransceiver(), CloneResult::kCompleted);
    EXPECT_EQ(this->transport.Heard(),
              (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE2, 0x20, 0x47, 0x00, 0x01, 0xFD}));
    EXPECT_EQ(ReadFileBytes(this->dir.File("clone.icf")),
              "20470001\r\n#\r\n01201000112233445566778899AABBCCDDEEFF\r\n000001AB\r\n");
}

TYPED_TEST(CloneLinkExchange, WriteSendsEachLineAfterTheEchoOfThePrevious) {
    this->WriteCloneFile(
        "20470001\r\n#comment\r\n  01201000112233445566778899AABBCCDDEEFF  \r\n# more\r\n"
        "000001AB\r\n\r\n000001CD\r\n");
    this->transport.peer.On(0xE5, TransceiverFrame(0xE6, Bytes{0x00}));
    ASSERT_EQ(this->Link().WriteToTransceiver(), CloneResult::kCompleted);
    // Comment lines are never sent, and the empty line ends the data early.
    EXPECT_EQ(this->SentFrames(),
              (std::vector<Bytes>{{0xFE, 0xFE, 0xEE, 0xEF, 0xE3, 0x20, 0x47, 0x00, 0x01, 0xFD},
                                  ComputerFrame(0xE4, "01201000112233445566778899AABBCCDDEEFFD7"),
                                  ComputerFrame(0xE4, "000001AB54"),
                                  ComputerFrame(0xE5, "Orva Inc.")}));
}

TYPED_TEST(CloneLinkExchange, WriteFailsOnAFailedResult) {
    this->WriteCloneFile("20470001\r\n#\r\n000001AB\r\n");
    this->transport.peer.On(0xE5, TransceiverFrame(0xE6, Bytes{0x01}));
    EXPECT_EQ(this->Link().WriteToTransceiver(), CloneResult::kFailed);
}

TYPED_TEST(CloneLinkExchange, AnEchoThatDiffersIsAProtocolError) {
    // Something that answers in place of the echo.
    this->transport.peer.echo = false;
    this->transport.peer.On(0xE3, ComputerFrame(0xE3, std::string_view("\x20\x47\x00\x02", 4)));
    this->WriteCloneFile("20470001\r\n#\r\n000001AB\r\n");
    EXPECT_EQ(this->Link().WriteToTransceiver(), CloneResult::kFailed);
    EXPECT_EQ(this->SentFrames().size(), 1U);  // no block went out
}

TYPED_TEST(CloneLinkExchange, ACloneFileWithoutHeaderIsRefusedBeforeTheLine) {
    this->WriteCloneFile("2047\r\n000001AB\r\n");
    EXPECT_EQ(this->Link().WriteToTransceiver(), CloneResult::kBadCloneFile);
    this->WriteCloneFile("");
    EXPECT_EQ(this->Link().WriteToTransceiver(), CloneResult::kBadCloneFile);
    EXPECT_TRUE(this->transport.Heard().empty());
}

}  // namespace
}  // namespace ql::test
