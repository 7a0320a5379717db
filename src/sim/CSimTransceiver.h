#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "clone/CFrameReceiver.h"
#include "model/CMemoryImage.h"
#include "sim/SimOptions.h"

namespace ql::sim {

// What the transceiver tells about itself in its identification.
struct SimIdentity {
    std::uint16_t modelCode = 0x2047;
    std::uint16_t revision = 1;
    std::uint8_t version = 0;
    std::uint8_t expansion = 0;
    std::string comment;  // 16 characters, each at most 0xEF
};

// The transceiver's side of the clone protocol in cloning mode, as bytes in and bytes out:
// every byte from the computer is heard back on the single-wire bus, and each complete
// request is answered (identification, memory as data blocks, the result of a write).
class CSimTransceiver {
  public:
    CSimTransceiver(CMemoryImage memory, SimIdentity identity, unsigned blockSize, SimFault fault);

    // One byte from the computer; what goes onto the line in answer is appended to out, in
    // the order it is sent.
    void Receive(std::uint8_t byte, std::vector<std::uint8_t>& out);

    // True once an exchange came to its end (identification, end of a read, write result).
    [[nodiscard]] bool ExchangeFinished() const { return finished_; }
    // The memory of a write that was accepted, once.
    [[nodiscard]] std::optional<CMemoryImage> TakeAcceptedWrite();
    [[nodiscard]] const CMemoryImage& Memory() const { return memory_; }
    [[nodiscard]] const SimIdentity& Identity() const { return identity_; }

  private:
    void OnFrame(const CByteBuf& frame, std::vector<std::uint8_t>& out);
    [[nodiscard]] bool RequestIsForMe(const CByteBuf& frame) const;
    void SendIdentification(std::vector<std::uint8_t>& out);
    void SendMemory(std::vector<std::uint8_t>& out);
    void TakeBlock(const CByteBuf& frame);
    void FinishWrite(const CByteBuf& frame, std::vector<std::uint8_t>& out);
    void SendFrame(std::uint8_t command, const std::vector<std::uint8_t>& payload,
                   std::vector<std::uint8_t>& out);
    void AddNoise(std::vector<std::uint8_t>& out);
    [[nodiscard]] bool Has(FaultKind kind) const { return fault_.kind == kind; }

    CMemoryImage memory_;
    SimIdentity identity_;
    unsigned blockSize_;
    SimFault fault_;
    CFrameReceiver receiver_;
    // A write in progress: what has arrived, which bytes it covers, whether all was sound.
    bool receiving_ = false;
    CMemoryImage incoming_;
    std::vector<bool> covered_;
    bool damaged_ = false;
    unsigned blocksHeard_ = 0;
    std::optional<CMemoryImage> accepted_;
    bool finished_ = false;
    unsigned noiseSeed_ = 1;
};

}  // namespace ql::sim
