#include "clone/CCloneSession.h"

#include <algorithm>
#include <string>

#include "clone/BlockCodec.h"
#include "clone/CloneFile.h"
#include "clone/CloneFrame.h"

namespace ql {

namespace {
constexpr std::chrono::milliseconds kBeforeFirstBlock{200};
// The frame around a payload: two 0xFE, two addresses, the command, 0xFD.
constexpr std::size_t kFrameOverhead = 6;

void SetWord(CByteBuf& bytes, std::uint16_t value) {
    bytes.Clear();
    bytes.Append(static_cast<std::uint8_t>(value >> 8));
    bytes.Append(static_cast<std::uint8_t>(value & 0xFF));
}
}  // namespace

CCloneSession::CCloneSession(CCloneWire& wire) : wire_(wire) {
    zeroPad_.Append(0x00);
    zeroPad_.Append(0x00);
}

void CCloneSession::SetModel(std::uint16_t modelCode) {
    SetWord(modelBytes_, modelCode);
}

void CCloneSession::SetRevision(std::uint16_t revision) {
    SetWord(revisionBytes_, revision);
}

void CCloneSession::Begin(CloneMode mode, bool writeFlag, std::ostream* received,
                          std::istream* toSend) {
    mode_ = mode;
    writeFlag_ = writeFlag;
    endEchoed_ = false;
    received_ = received;
    toSend_ = toSend;
    blockCounter_ = 0;
    status_ = CloneStatus::kRunning;
    receiver_.Reset();
}

void CCloneSession::SendRequest() {
    CByteBuf payload;
    std::uint8_t command = frame::kInformationRequest;
    if (mode_ == CloneMode::kInformation) {
        payload.Append(zeroPad_);
        payload.Append(zeroPad_);
    } else {
        command = mode_ == CloneMode::kWrite ? frame::kWriteRequest : frame::kReadRequest;
        payload.Append(modelBytes_);
        payload.Append(revisionBytes_);
    }
    SendFrame(command, payload);
    request_ = lastSent_;
}

void CCloneSession::SendFrame(std::uint8_t command, const CByteBuf& payload) {
    CByteBuf frame;
    frame.Append(frame::kPreamble);
    frame.Append(frame::kPreamble);
    frame.Append(frame::kComputer);
    frame.Append(frame::kTransceiver);
    frame.Append(command);
    frame.Append(payload);
    frame.Append(frame::kEnd);
    lastSent_ = frame;
    lastSent_.Keep(2, frame.Length() - 3);
    wire_.Send(frame.Bytes());
}

void CCloneSession::Dispatch() {
    const CByteBuf& frame = receiver_.LastFrame();
    // A frame must hold its two addresses and its command to mean anything.
    if (frame.Length() < 3) return;
    const std::uint8_t b0 = frame.At(0);
    const std::uint8_t b1 = frame.At(1);
    const std::uint8_t command = frame.At(2);
    if (b0 == frame::kComputer && b1 == frame::kTransceiver) {
        DispatchEcho(command);
    } else if (b0 == frame::kTransceiver || b1 == frame::kComputer) {
        DispatchTransceiver(command);
    }
}

void CCloneSession::DispatchEcho(std::uint8_t command) {
    switch (command) {
        case frame::kInformationRequest:
            if (!EchoMatches()) Fail();
            break;
        case frame::kReadRequest:
            if (!EchoMatches()) Fail();
            blockCounter_ = 0;
            break;
        case frame::kWriteRequest:
            wire_.Pause(kBeforeFirstBlock);
            blockCounter_ = 0;
            SendNextBlock();
            break;
        case frame::kDataBlock:
            SendNextBlock();
            break;
        case frame::kEndOfData:
            if (!EchoMatches()) {
                Fail();
            } else if (writeFlag_) {
                endEchoed_ = true;
            } else {
                status_ = CloneStatus::kDone;
            }
            break;
        default:
            break;
    }
}

void CCloneSession::DispatchTransceiver(std::uint8_t command) {
    switch (command) {
        case frame::kInformation:
            ReceiveIdentification();
            break;
        case frame::kDataBlock:
            ReceiveDataBlock();
            break;
        case frame::kEndOfData:
            ReceiveEndOfData();
            break;
        case frame::kWriteResult:
            ReceiveWriteResult();
            break;
        default:
            break;
    }
}

bool CCloneSession::EchoMatches() {
    return !receiver_.Buffer().DiffersFrom(lastSent_);
}

void CCloneSession::SendNextBlock() {
    if (!EchoMatches()) {
        Fail();
        return;
    }
    const std::string line = toSend_ != nullptr ? NextBlockLine(*toSend_) : std::string();
    if (line.empty()) {
        CByteBuf signature;
        signature.AppendText(frame::kSignature);
        SendFrame(frame::kEndOfData, signature);
        blockCounter_ = lineCount_;
        return;
    }
    CByteBuf checksum;
    checksum.SetHexByte(LineChecksum(line));
    // A line that would not fit a frame, or that holds a frame mark, is never sent cut
    // short or split: the write fails instead.
    const bool fits =
        line.size() + checksum.Length() + kFrameOverhead <= CByteBuf::kDefaultCapacity;
    const bool plain = std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<std::uint8_t>(c);
        return byte == frame::kPreamble || byte == frame::kEnd;
    });
    if (!fits || !plain) {
        Fail();
        return;
    }
    CByteBuf payload;
    payload.AppendText(line);
    payload.Append(checksum);
    SendFrame(frame::kDataBlock, payload);
    ++blockCounter_;
}

void CCloneSession::ReceiveIdentification() {
    const CByteBuf& frame = receiver_.LastFrame();
    constexpr std::size_t kHeader = 7;  // addresses, command, model code, revision
    if (mode_ != CloneMode::kInformation || frame.Length() < kHeader) {
        Fail();
        return;
    }
    const std::span<const std::uint8_t> data = frame.Bytes().subspan(kHeader);
    if (std::any_of(data.begin(), data.end(),
                    [](std::uint8_t byte) { return byte > frame::kHighestPlainByte; })) {
        Fail();
        return;
    }
    CIdentityRecord record;
    record.modelCode = static_cast<std::uint16_t>(frame.At(3) << 8 | frame.At(4));
    record.revision = static_cast<std::uint16_t>(frame.At(5) << 8 | frame.At(6));
    const std::size_t length = std::min(data.size(), record.payload.size());
    record.payloadLength = static_cast<std::uint16_t>(length);
    std::copy_n(data.begin(), length, record.payload.begin());
    information_ = record;
    status_ = CloneStatus::kDone;
}

void CCloneSession::ReceiveDataBlock() {
    const std::span<const std::uint8_t> payload = receiver_.LastFrame().Bytes().subspan(3);
    const std::optional<DataBlock> block = DecodeBlockPayload(payload);
    if (!block || mode_ != CloneMode::kRead) {
        Fail();
        return;
    }
    if (received_ != nullptr) *received_ << BlockLine(*block) << kCloneLineEnd;
    ++blockCounter_;
}

void CCloneSession::ReceiveEndOfData() {
    const CByteBuf& frame = receiver_.LastFrame();
    const bool signed_ = frame.Length() == 3 + frame::kSignature.size() &&
                         frame.Text().substr(3) == frame::kSignature;
    if (mode_ != CloneMode::kRead || !signed_) {
        Fail();
        return;
    }
    status_ = CloneStatus::kDone;
    blockCounter_ = expectedBlocks_;
}

void CCloneSession::ReceiveWriteResult() {
    const CByteBuf& frame = receiver_.LastFrame();
    if (mode_ == CloneMode::kWrite && writeFlag_ && endEchoed_ && frame.Length() > 3 &&
        frame.At(3) == 0x00) {
        status_ = CloneStatus::kDone;
    } else {
        Fail();
    }
}

std::size_t CCloneSession::BytesBeforeFrameCanEnd() const {
    // The shortest whole frame the transceiver sends in each exchange: a data block without
    // data (address, count, checksum) in a read, an identification without payload, a write
    // result; and any frame of two addresses and a command otherwise.
    constexpr std::size_t kAddressesAndCommand = 3;
    constexpr std::size_t kBlockHeader = 6;  // address and count as hexadecimal text
    constexpr std::size_t kBlockChecksum = 2;
    std::size_t shortest = kFrameOverhead;
    if (mode_ == CloneMode::kRead) {
        shortest = kFrameOverhead + kBlockHeader + kBlockChecksum;
    } else if (mode_ == CloneMode::kInformation) {
        shortest = kFrameOverhead + 4;  // model code and revision
    } else if (mode_ == CloneMode::kWrite) {
        shortest = kFrameOverhead + 1;  // the result byte
    }
    const CByteBuf& heard = receiver_.Buffer();
    const std::size_t sinceEnd = receiver_.SinceEnd();
    if (mode_ == CloneMode::kRead && sinceEnd > heard.Length() &&
        heard.Length() >= kAddressesAndCommand + kBlockHeader &&
        heard.At(0) == frame::kTransceiver && heard.At(2) == frame::kDataBlock) {
        // The count is in: the block ends after its data, its checksum and 0xFD.
        CByteBuf count;
        count.Append(heard.At(kAddressesAndCommand + 4));
        count.Append(heard.At(kAddressesAndCommand + 5));
        count.FromHex();
        const std::size_t dataCharacters = 2U * count.At(0);
        const std::size_t end =
            kAddressesAndCommand + kBlockHeader + dataCharacters + kBlockChecksum + 1;
        return end > heard.Length() ? end - heard.Length() : 1;
    }
    return shortest > sinceEnd ? shortest - sinceEnd : 1;
}

int CCloneSession::Percent() const {
    const unsigned total = mode_ == CloneMode::kRead ? expectedBlocks_ : lineCount_;
    if (blockCounter_ == 0) return 0;
    if (total == 0) return 100;
    const unsigned percent = blockCounter_ * 100U / total;
    return static_cast<int>(std::min(percent / 10U * 10U, 100U));
}

}  // namespace ql
