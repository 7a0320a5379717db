#pragma once

// Two far ends for the clone link: an in-memory line on the fake clock, and a real
// pseudo-terminal served by a thread, both answering through a ScriptedPeer.

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "clone/CSerialLine.h"
#include "clone/CloneFakes.h"
#include "clone/ScriptedPeer.h"

namespace ql::test {

// Time passes only while the link waits on it: a wait runs the fake clock forward to the
// next byte due, or by the whole wait when none is.
class MemoryLine final : public CSerialLine {
  public:
    MemoryLine(FakeClock& clock, ScriptedPeer& peer) : clock_(clock), peer_(peer) {}

    bool Open(std::string_view device, unsigned baud) override;
    void Close() override;
    [[nodiscard]] bool IsOpen() const override { return open_; }
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    bool Flush() override { return open_; }
    LineWait Await(std::chrono::microseconds timeout, int wake) override;
    bool Rest(std::chrono::microseconds duration, int wake) override;
    [[nodiscard]] std::string LastFailure() const override { return failure_; }

    // Bytes that arrive at a time of the fake clock, whatever the computer does.
    void Deliver(const Bytes& bytes, std::chrono::microseconds at);

    bool refuseOpen = false;
    // How long each answer takes to come back, and how long each of its bytes takes on
    // the line (none: all at once).
    milliseconds replyDelay{0};
    std::chrono::microseconds byteGap{0};
    // How often the link waited on the line or rested, and read.
    int waits = 0;
    int reads = 0;
    int opens = 0;
    // The timer slack of the writing thread at the last write, in nanoseconds.
    int writerTimerSlack = 0;
    // The device of the last open.
    std::string openedDevice;

  private:
    struct Pending {
        std::chrono::microseconds due;
        std::uint8_t byte;
    };

    FakeClock& clock_;
    ScriptedPeer& peer_;
    std::deque<Pending> pending_;
    bool open_ = false;
    std::string failure_;
};

// A real line (the port to the simulator) on the fake clock: pauses take no real time, and
// silence on the line counts a whole second of the fake clock for every quarter second of
// real silence, so a time-out comes in well under a second instead of three. Bytes that
// arrive take no fake time at all.
class FastSilenceLine final : public CSerialLine {
  public:
    // How long the real line must stay silent to count as a second.
    static constexpr milliseconds kRealSilence{250};

    FastSilenceLine(std::unique_ptr<CSerialLine> line, FakeClock& clock)
        : line_(std::move(line)), clock_(clock) {}

    bool Open(std::string_view device, unsigned baud) override { return line_->Open(device, baud); }
    void Close() override { line_->Close(); }
    [[nodiscard]] bool IsOpen() const override { return line_->IsOpen(); }
    bool Write(std::span<const std::uint8_t> bytes) override { return line_->Write(bytes); }
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
        return line_->Read(buffer, count);
    }
    bool Flush() override { return line_->Flush(); }
    LineWait Await(std::chrono::microseconds timeout, int wake) override;
    bool Rest(std::chrono::microseconds duration, int wake) override {
        return line_->Rest(duration, wake);
    }
    [[nodiscard]] std::string LastFailure() const override { return line_->LastFailure(); }
    [[nodiscard]] PortObservation Observed() const override { return line_->Observed(); }

  private:
    std::unique_ptr<CSerialLine> line_;
    FakeClock& clock_;
    milliseconds silent_{0};
};

// A pseudo-terminal whose device the link opens (as a real CComPort) while a thread serves
// the other side with the peer. The device side is also held open here, so successive
// opens work.
class PtyPeer {
  public:
    explicit PtyPeer(ScriptedPeer& peer);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    [[nodiscard]] const std::string& Device() const { return device_; }
    // Everything heard from the computer so far.
    [[nodiscard]] Bytes Heard();
    // Bytes written to the line from this side (in addition to the peer's answers).
    void Send(const Bytes& bytes);

  private:
    void Serve();

    ScriptedPeer& peer_;
    std::mutex mutex_;
    int master_ = -1;
    int slave_ = -1;
    int stop_[2] = {-1, -1};
    std::string device_;
    std::thread thread_;
};

}  // namespace ql::test
