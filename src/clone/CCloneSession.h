#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <ostream>
#include <span>

#include "clone/CByteBuf.h"
#include "clone/CFrameReceiver.h"
#include "model/CIdentityRecord.h"

namespace ql {

enum class CloneMode : std::uint16_t { kIdle = 0, kRead = 1, kWrite = 3, kInformation = 4 };

// The state of an exchange: running until something sets one of the others. The link maps
// the end states to a CloneResult; a protocol error and a time-out both end as kFailed.
enum class CloneStatus : std::uint8_t { kRunning, kCancelled, kDone, kProtocolError, kTimeOut };

// Where a session's frames go, and how it pauses before the first block of a write.
class CCloneWire {
  public:
    CCloneWire() = default;
    CCloneWire(const CCloneWire&) = delete;
    CCloneWire& operator=(const CCloneWire&) = delete;
    virtual ~CCloneWire() = default;

    virtual void Send(std::span<const std::uint8_t> frame) = 0;
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

// The protocol side of one exchange with the transceiver: builds the request, gathers the
// received bytes into frames and acts on each complete frame (echo check, data blocks into
// the clone file, the next block of a write, identification, end of data, write result).
// It does no input of its own: the clone link feeds it the bytes the line brought.
class CCloneSession {
  public:
    explicit CCloneSession(CCloneWire& wire);

    void SetModel(std::uint16_t modelCode);
    void SetRevision(std::uint16_t revision);
    void SetExpectedBlocks(unsigned blocks) { expectedBlocks_ = blocks; }
    void SetLineCount(unsigned lines) { lineCount_ = lines; }

    // Starts an exchange. A read writes each received block as a line to received; a write
    // takes its blocks from the lines of toSend (after its header line). Both streams must
    // outlive the exchange.
    void Begin(CloneMode mode, bool writeFlag, std::ostream* received, std::istream* toSend);
    // Sends the opening request of the exchange begun.
    void SendRequest();

    // Frame reception of one byte; true when it completed a frame.
    bool Receive(std::uint8_t byte) { return receiver_.Receive(byte); }
    // Acts on the frame just completed.
    void Dispatch();
    // The fewest further bytes after which a frame of the transceiver could be complete: the
    // rest of a data block whose count has arrived, else what the shortest frame it sends in
    // this exchange still lacks. At least 1. (Noise or a frame of no one may end sooner; the
    // link reads those when it next looks.)
    [[nodiscard]] std::size_t BytesBeforeFrameCanEnd() const;

    [[nodiscard]] CloneStatus Status() const { return status_; }
    void SetStatus(CloneStatus status) { status_ = status; }
    [[nodiscard]] unsigned BlockCounter() const { return blockCounter_; }
    void ResetBlockCounter() { blockCounter_ = 0; }
    // The progress of a read or write in whole tens of percent, at most 100.
    [[nodiscard]] int Percent() const;
    [[nodiscard]] const CIdentityRecord& Information() const { return information_; }
    [[nodiscard]] const CByteBuf& ModelBytes() const { return modelBytes_; }
    [[nodiscard]] const CByteBuf& RevisionBytes() const { return revisionBytes_; }

  private:
    void DispatchEcho(std::uint8_t command);
    void DispatchTransceiver(std::uint8_t command);
    bool EchoMatches();
    void SendFrame(std::uint8_t command, const CByteBuf& payload);
    void SendNextBlock();
    void ReceiveIdentification();
    void ReceiveDataBlock();
    void ReceiveEndOfData();
    void ReceiveWriteResult();
    void Fail() { status_ = CloneStatus::kProtocolError; }

    CCloneWire& wire_;
    CFrameReceiver receiver_;
    CByteBuf lastSent_;
    CByteBuf request_;
    CByteBuf modelBytes_;
    CByteBuf revisionBytes_;
    CByteBuf zeroPad_;
    CIdentityRecord information_;
    std::ostream* received_ = nullptr;
    std::istream* toSend_ = nullptr;
    CloneMode mode_ = CloneMode::kIdle;
    bool writeFlag_ = false;
    bool endEchoed_ = false;
    unsigned blockCounter_ = 0;
    unsigned expectedBlocks_ = 300;
    unsigned lineCount_ = 0;
    CloneStatus status_ = CloneStatus::kRunning;
};

}  // namespace ql
