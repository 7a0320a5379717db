// Dispatch of received frames, frame by frame, without a line.

#include <gtest/gtest.h>

#include <sstream>

#include "clone/BlockCodec.h"
#include "clone/CCloneSession.h"
#include "clone/ScriptedPeer.h"

namespace ql {
namespace {

using test::Bytes;
using test::TransceiverFrame;

class RecordingWire final : public CCloneWire {
  public:
    void Send(std::span<const std::uint8_t> frame) override {
        sent.emplace_back(frame.begin(), frame.end());
    }
    void Pause(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
    std::vector<Bytes> sent;
    std::vector<std::chrono::milliseconds> pauses;
};

class CloneSession : public ::testing::Test {
  protected:
    void Begin(CloneMode mode, bool writeFlag = false) {
        session.SetModel(0x2047);
        session.SetRevision(1);
        session.Begin(mode, writeFlag, &received, &toSend);
    }
    void Hear(const Bytes& bytes) {
        for (const std::uint8_t byte : bytes) {
            if (session.Receive(byte)) session.Dispatch();
        }
    }
    // The echo of the last frame the session sent.
    void HearEcho() { Hear(wire.sent.back()); }

    RecordingWire wire;
    CCloneSession session{wire};
    std::ostringstream received;
    std::istringstream toSend;
};

TEST_F(CloneSession, FramesTooShortForAddressesAndCommandAreIgnored) {
    for (const CloneMode mode : {CloneMode::kInformation, CloneMode::kRead, CloneMode::kWrite}) {
        Begin(mode, mode == CloneMode::kWrite);
        Hear({0xFE, 0xFD, 0xFE, 0xEF, 0xFD, 0xFE, 0xEF, 0xEE, 0xFD, 0xFD});
        EXPECT_EQ(session.Status(), CloneStatus::kRunning);
    }
    // Frames of neither side: ignored too.
    Begin(CloneMode::kRead);
    Hear(Bytes{0xFE, 0xFE, 0x00, 0x00, 0xE4, '0', '0', 0xFD});
    EXPECT_EQ(session.Status(), CloneStatus::kRunning);
}

TEST_F(CloneSession, IdentificationIsTakenOnlyInAnInformationExchange) {
    Begin(CloneMode::kInformation);
    session.SendRequest();
    EXPECT_EQ(wire.sent.back(), (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0, 0, 0, 0, 0xFD}));
    HearEcho();
    EXPECT_EQ(session.Status(), CloneStatus::kRunning);
    Hear(TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0x03, 0x05, 'C', 'O', 'M'}));
    ASSERT_EQ(session.Status(), CloneStatus::kDone);
    const CIdentityRecord& info = session.Information();
    EXPECT_EQ(info.modelCode, 0x2047);
    EXPECT_EQ(info.revision, 1);
    EXPECT_EQ(info.payloadLength, 5);
    EXPECT_EQ(info.payload[0], 3);
    EXPECT_EQ(info.payload[1], 5);
    EXPECT_EQ(info.Comment(), "COM             ");  // a short comment is padded with blanks

    Begin(CloneMode::kInformation);
    Hear(TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01, 0xF0}));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // a byte above 0xEF
    Begin(CloneMode::kInformation);
    Hear(TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00}));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // no room for the revision
    Begin(CloneMode::kRead);
    Hear(TransceiverFrame(0xE1, Bytes{0x20, 0x47, 0x00, 0x01}));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // not asked for
}

TEST_F(CloneSession, ReadWritesEachBlockAsALineUntilTheSignedEnd) {
    session.SetExpectedBlocks(112);
    Begin(CloneMode::kRead);
    session.SendRequest();
    EXPECT_EQ(wire.sent.back(),
              (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE2, 0x20, 0x47, 0x00, 0x01, 0xFD}));
    HearEcho();
    const std::array<std::uint8_t, 2> data{0xAB, 0xCD};
    Hear(TransceiverFrame(0xE4, EncodeBlockPayload(0x0F9E, data)));
    EXPECT_EQ(received.str(), "0F9E02ABCD\r\n");
    EXPECT_EQ(session.BlockCounter(), 1U);
    Hear(TransceiverFrame(0xE5, "Orva Inc."));
    EXPECT_EQ(session.Status(), CloneStatus::kDone);
    EXPECT_EQ(session.Percent(), 100);

    for (const std::string_view end : {"Orva Inc,", "Orva Inc.."}) {
        Begin(CloneMode::kRead);
        Hear(TransceiverFrame(0xE5, end));
        EXPECT_EQ(session.Status(), CloneStatus::kProtocolError) << end;
    }
    Begin(CloneMode::kRead);
    Hear(TransceiverFrame(0xE4, "0000010011"));  // checksum should be FF
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);
    Begin(CloneMode::kInformation);
    Hear(TransceiverFrame(0xE4, EncodeBlockPayload(0, data)));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // a block outside a read
}

TEST_F(CloneSession, ProgressIsInWholeTensAndNeverAbove100) {
    session.SetExpectedBlocks(112);
    Begin(CloneMode::kRead);
    const std::array<std::uint8_t, 1> data{0};
    std::vector<int> seen;
    for (int i = 0; i < 130; ++i) {
        Hear(TransceiverFrame(0xE4, EncodeBlockPayload(0, data)));
        if (seen.empty() || seen.back() != session.Percent()) seen.push_back(session.Percent());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST_F(CloneSession, WriteResultCountsOnlyAfterTheEndFrameWasEchoed) {
    toSend.str("20470001\r\n#comment\r\n000001AB\r\n");
    session.SetLineCount(2);
    Begin(CloneMode::kWrite, true);
    std::string header;
    std::getline(toSend, header);
    session.SendRequest();
    HearEcho();  // the request's echo: pause, then the first block
    ASSERT_EQ(wire.pauses.size(), 1U);
    EXPECT_EQ(wire.pauses[0], std::chrono::milliseconds(200));
    EXPECT_EQ(wire.sent.back(), test::ComputerFrame(0xE4, "000001AB54"));
    Hear(TransceiverFrame(0xE6, Bytes{0x00}));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // before the end frame's echo

    toSend.clear();
    toSend.seekg(0);
    std::getline(toSend, header);
    Begin(CloneMode::kWrite, true);
    session.SendRequest();
    HearEcho();
    HearEcho();  // the block's echo: the end frame goes out
    EXPECT_EQ(wire.sent.back(), test::ComputerFrame(0xE5, "Orva Inc."));
    EXPECT_EQ(session.Percent(), 100);
    HearEcho();
    EXPECT_EQ(session.Status(), CloneStatus::kRunning);
    Hear(TransceiverFrame(0xE6, Bytes{}));
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);  // no result byte
}

TEST_F(CloneSession, LinesThatCannotBeFramedAreNeverSent) {
    toSend.str(std::string(250, 'A') + "\r\n");
    Begin(CloneMode::kWrite, true);
    session.SendRequest();
    const std::size_t sent = wire.sent.size();
    HearEcho();
    EXPECT_EQ(session.Status(), CloneStatus::kProtocolError);
    EXPECT_EQ(wire.sent.size(), sent);
}

// The link sleeps for as many bytes as this says: it must never be more than the bytes still
// to come for the frame under way, and exactly those once a block's count is in.
TEST_F(CloneSession, TheBytesAwaitedNeverReachPastTheEndOfAFrame) {
    Begin(CloneMode::kRead);
    const Bytes block = TransceiverFrame(0xE4, "01201000112233445566778899AABBCCDDEEFFD7");
    const Bytes end = TransceiverFrame(0xE5, "Orva Inc.");
    for (const Bytes& frame : {block, end, TransceiverFrame(0xE4, "000001AB54")}) {
        for (std::size_t heard = 0; heard < frame.size(); ++heard) {
            const std::size_t awaited = session.BytesBeforeFrameCanEnd();
            EXPECT_GE(awaited, 1U);
            EXPECT_LE(awaited, frame.size() - heard) << heard << " bytes in";
            if (frame[2] == 0xEF && frame[4] == 0xE4 && heard >= 11) {
                EXPECT_EQ(awaited, frame.size() - heard) << heard << " bytes in";
            }
            Hear({frame[heard]});
        }
    }
    Begin(CloneMode::kWrite, true);
    EXPECT_EQ(session.BytesBeforeFrameCanEnd(), TransceiverFrame(0xE6, Bytes{0x00}).size());
}

}  // namespace
}  // namespace ql
