#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "clone/CCloneSession.h"
#include "clone/CSerialLine.h"
#include "clone/CloneResult.h"
#include "clone/LinkObservation.h"
#include "model/CIdentityRecord.h"

namespace ql {

class CClock;
class CCloneProgress;
class CTonePlayer;

// The clone protocol with the transceiver over a serial line: reads its identification,
// reads its memory into the clone file, writes the clone file into it. It owns the line
// and no user interface; a read or write shows its progress through CCloneProgress.
class CCloneLink {
  public:
    static constexpr unsigned kBaudRate = 9600;
    // For a progress display without a cancel descriptor: how long the exchange waits on the
    // line at a time before it looks at the display and the cancel command again; also the
    // longest such a display goes without a call (and so a window on the exchange's thread
    // without processing its events).
    static constexpr std::chrono::milliseconds kPollSlice{20};
    // Silence of more than this many whole seconds ends an exchange.
    static constexpr std::int64_t kTimeOutSeconds = 2;
    // One byte on the line at 9600 baud 8-N-1 (ten bits).
    static constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / kBaudRate};

    CCloneLink(std::unique_ptr<CSerialLine> line, CClock& clock, CTonePlayer& tones);
    ~CCloneLink();
    CCloneLink(const CCloneLink&) = delete;
    CCloneLink& operator=(const CCloneLink&) = delete;

    // The device the exchanges open (a numbered port resolved through ResolvePort).
    void SetDevice(std::string device) { device_ = std::move(device); }
    [[nodiscard]] const std::string& Device() const { return device_; }

    void SetModel(std::uint16_t modelCode) { session_.SetModel(modelCode); }
    void SetRevision(std::uint16_t revision) { session_.SetRevision(revision); }
    void SetExpectedBlocks(unsigned blocks) { session_.SetExpectedBlocks(blocks); }
    void SetFile(std::filesystem::path path) { file_ = std::move(path); }
    // The progress display of reads and writes; none when null.
    void SetProgress(CCloneProgress* progress) { progress_ = progress; }

    // The identification heard in the last information exchange.
    [[nodiscard]] const CIdentityRecord& GetInformation() const { return session_.Information(); }

    [[nodiscard]] CloneResult ReadInformation();
    [[nodiscard]] CloneResult ReadFromTransceiver();
    [[nodiscard]] CloneResult WriteToTransceiver();

    // Two short high tones for success, four long low ones for failure.
    void SignalResult(bool success);

    // The line's last failure, naming the device and the cause (after 91, why).
    [[nodiscard]] std::string LineFailure() const { return line_->LastFailure(); }
    [[nodiscard]] CSerialLine& Line() { return *line_; }
    // What the last exchange saw of the line: the open, the bytes sent and whether anything
    // but their echo came back. The material of DiagnoseFailure.
    [[nodiscard]] const LinkObservation& Observation() const { return observed_; }
    // After a read that failed with 77 because its clone file could not be made or written
    // whole: why, naming the temporary directory. Empty otherwise.
    [[nodiscard]] const std::string& FileFailure() const { return fileFailure_; }

  private:
    class Wire final : public CCloneWire {
      public:
        explicit Wire(CCloneLink& link) : link_(link) {}
        void Send(std::span<const std::uint8_t> frame) override;
        void Pause(std::chrono::milliseconds duration) override;

      private:
        CCloneLink& link_;
    };

    // Whether the line brings bytes at the line rate (a real cable) or faster (a simulator
    // without pacing); unknown until the first bytes after a write or a read tell.
    enum class Pace : std::uint8_t { kUnknown, kLineRate, kFaster };

    CloneResult Run(CloneMode mode);
    void Exchange();
    // Waits until the bytes a frame needs can have arrived and reads what has; the number
    // read (0 when none).
    std::size_t Fetch(std::span<std::uint8_t> bytes, std::int64_t timeOutStarted);
    // Learns the pace of the line from count bytes that arrived by now.
    void LearnPace(std::size_t count, std::chrono::microseconds now);
    // A pause of the protocol. With a progress display that has no cancel descriptor it
    // sleeps in slices and lets the display process events between them, so a window on the
    // exchange's thread keeps painting; otherwise it simply sleeps.
    void Pause(std::chrono::milliseconds duration);
    // Shows the progress and asks for the cancel command.
    void ServeProgress();
    void NoteSent(std::span<const std::uint8_t> frame);
    void NoteReceived(std::span<const std::uint8_t> bytes);

    std::unique_ptr<CSerialLine> line_;
    CClock& clock_;
    CTonePlayer& tones_;
    Wire wire_{*this};
    CCloneSession session_{wire_};
    CCloneProgress* progress_ = nullptr;
    // The progress display of the running exchange, if it has one.
    CCloneProgress* shown_ = nullptr;
    std::chrono::milliseconds lastServed_{0};
    std::filesystem::path file_;
    std::string device_;
    std::string fileFailure_;
    LinkObservation observed_;
    // The bytes sent in this exchange, kept while all that came back may still be their echo.
    std::vector<std::uint8_t> unanswered_;
    std::size_t echoed_ = 0;
    // The bytes sent whose echo has not come back yet.
    std::size_t echoOwed_ = 0;
    Pace pace_ = Pace::kUnknown;
    // While bytes flow: the time from which the next byte takes at most one byte time.
    std::optional<std::chrono::microseconds> flowSince_;
    // How long after their line time bytes reach the link (driver and peer latency), learnt
    // from rests that woke too early.
    std::chrono::microseconds lateness_{0};
    // The cancel descriptor woke the last wait.
    bool woken_ = false;
};

}  // namespace ql
