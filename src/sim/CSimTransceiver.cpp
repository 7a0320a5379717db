#include "sim/CSimTransceiver.h"

#include <algorithm>
#include <array>

#include "clone/BlockCodec.h"
#include "clone/CloneFrame.h"

namespace ql::sim {

namespace {
// Junk on the line between frames; never a frame mark, so it can only sit between a 0xFD
// and the next 0xFE.
constexpr std::array<std::uint8_t, 8> kJunk{0x00, 0x7F, 0xFF, 0x55, 0xAA, 0x13, 0xEF, 0xEE};
constexpr std::size_t kJunkPerGap = 3;
}  // namespace

CSimTransceiver::CSimTransceiver(CMemoryImage memory, SimIdentity identity, unsigned blockSize,
                                 SimFault fault)
    : memory_(std::move(memory)),
      identity_(std::move(identity)),
      blockSize_(std::clamp(blockSize, 1U, kMaxBlockSize)),
      fault_(fault) {
    if (Has(FaultKind::kModel)) identity_.modelCode = static_cast<std::uint16_t>(fault_.value);
    if (Has(FaultKind::kRevision)) identity_.revision = static_cast<std::uint16_t>(fault_.value);
}

std::optional<CMemoryImage> CSimTransceiver::TakeAcceptedWrite() {
    std::optional<CMemoryImage> image = std::move(accepted_);
    accepted_.reset();
    return image;
}

void CSimTransceiver::Receive(std::uint8_t byte, std::vector<std::uint8_t>& out) {
    if (!Has(FaultKind::kNoEcho)) {
        out.push_back(byte);
        if (byte == frame::kEnd) AddNoise(out);
    }
    if (receiver_.Receive(byte)) OnFrame(receiver_.LastFrame(), out);
}

void CSimTransceiver::OnFrame(const CByteBuf& frame, std::vector<std::uint8_t>& out) {
    if (frame.Length() < 3 || frame.At(0) != frame::kComputer ||
        frame.At(1) != frame::kTransceiver) {
        return;
    }
    switch (frame.At(2)) {
        case frame::kInformationRequest:
            receiving_ = false;
            SendIdentification(out);
            break;
        case frame::kReadRequest:
            receiving_ = false;
            if (RequestIsForMe(frame)) SendMemory(out);
            break;
        case frame::kWriteRequest:
            receiving_ = RequestIsForMe(frame);
            incoming_ = memory_;
            covered_.assign(static_cast<std::size_t>(memory_.Size()), false);
            damaged_ = false;
            blocksHeard_ = 0;
            break;
        case frame::kDataBlock:
            if (receiving_) TakeBlock(frame);
            break;
        case frame::kEndOfData:
            if (receiving_) FinishWrite(frame, out);
            break;
        default:
            break;
    }
}

bool CSimTransceiver::RequestIsForMe(const CByteBuf& frame) const {
    const std::array<std::uint8_t, 4> mine{static_cast<std::uint8_t>(identity_.modelCode >> 8),
                                           static_cast<std::uint8_t>(identity_.modelCode & 0xFF),
                                           static_cast<std::uint8_t>(identity_.revision >> 8),
                                           static_cast<std::uint8_t>(identity_.revision & 0xFF)};
    const std::span<const std::uint8_t> payload = frame.Bytes().subspan(3);
    return std::equal(payload.begin(), payload.end(), mine.begin(), mine.end());
}

void CSimTransceiver::SendIdentification(std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(identity_.modelCode >> 8),
                                      static_cast<std::uint8_t>(identity_.modelCode & 0xFF),
                                      static_cast<std::uint8_t>(identity_.revision >> 8),
                                      static_cast<std::uint8_t>(identity_.revision & 0xFF),
                                      identity_.version,
                                      identity_.expansion};
    for (const char c : identity_.comment) payload.push_back(static_cast<std::uint8_t>(c));
    if (!Has(FaultKind::kNoAnswer)) SendFrame(frame::kInformation, payload, out);
    finished_ = true;
}

void CSimTransceiver::SendMemory(std::vector<std::uint8_t>& out) {
    if (Has(FaultKind::kNoAnswer)) return;
    const std::span<const std::uint8_t> bytes = memory_.Bytes();
    unsigned block = 0;
    for (std::size_t address = 0; address < bytes.size(); address += blockSize_) {
        ++block;
        if (Has(FaultKind::kSilentAfter) && block > fault_.value) return;
        if (Has(FaultKind::kEndAfter) && block > fault_.value) break;
        const std::size_t count = std::min<std::size_t>(blockSize_, bytes.size() - address);
        std::string text =
            EncodeBlockPayload(static_cast<std::uint16_t>(address), bytes.subspan(address, count));
        if (Has(FaultKind::kBadChecksum) && block == fault_.value) {
            // Still a hexadecimal digit, but no longer the right one.
            text.back() = text.back() == '0' ? '1' : '0';
        }
        SendFrame(frame::kDataBlock, std::vector<std::uint8_t>(text.begin(), text.end()), out);
    }
    const std::string_view signature = frame::kSignature;
    SendFrame(frame::kEndOfData, std::vector<std::uint8_t>(signature.begin(), signature.end()),
              out);
    finished_ = true;
}

void CSimTransceiver::TakeBlock(const CByteBuf& frame) {
    ++blocksHeard_;
    const std::optional<DataBlock> block = DecodeBlockPayload(frame.Bytes().subspan(3));
    const bool corrupt = Has(FaultKind::kBadChecksum) && blocksHeard_ == fault_.value;
    if (!block || corrupt ||
        block->address + block->data.size() > static_cast<std::size_t>(incoming_.Size())) {
        damaged_ = true;
        return;
    }
    incoming_.CopyIn(block->address, block->data);
    std::fill_n(covered_.begin() + block->address, block->data.size(), true);
}

void CSimTransceiver::FinishWrite(const CByteBuf& frame, std::vector<std::uint8_t>& out) {
    receiving_ = false;
    const bool signed_ = frame.Text().substr(3) == frame::kSignature;
    const bool complete = std::all_of(covered_.begin(), covered_.end(), [](bool b) { return b; });
    const bool sound = signed_ && complete && !damaged_;
    std::uint8_t result = sound ? 0x00 : 0x01;
    if (Has(FaultKind::kResult)) result = static_cast<std::uint8_t>(fault_.value);
    const bool silent =
        Has(FaultKind::kNoAnswer) || (Has(FaultKind::kSilentAfter) && blocksHeard_ > fault_.value);
    if (silent) return;
    SendFrame(frame::kWriteResult, {result}, out);
    if (sound && result == 0x00) {
        memory_ = incoming_;
        accepted_ = incoming_;
    }
    finished_ = true;
}

void CSimTransceiver::SendFrame(std::uint8_t command, const std::vector<std::uint8_t>& payload,
                                std::vector<std::uint8_t>& out) {
    out.insert(out.end(), {frame::kPreamble, frame::kPreamble, frame::kTransceiver,
                           frame::kComputer, command});
    out.insert(out.end(), payload.begin(), payload.end());
    out.push_back(frame::kEnd);
    AddNoise(out);
}

void CSimTransceiver::AddNoise(std::vector<std::uint8_t>& out) {
    if (!Has(FaultKind::kNoise)) return;
    for (std::size_t i = 0; i < kJunkPerGap; ++i) {
        noiseSeed_ = noiseSeed_ * 1103515245U + 12345U;
        out.push_back(kJunk[(noiseSeed_ >> 16) % kJunk.size()]);
    }
}

}  // namespace ql::sim
