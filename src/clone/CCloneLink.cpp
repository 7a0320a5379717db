#include "clone/CCloneLink.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <utility>

#include "base/LineReader.h"
#include "clone/CClock.h"
#include "clone/CCloneUi.h"
#include "clone/CTonePlayer.h"
#include "clone/CloneFile.h"
#include "clone/CloneStrings.h"

namespace ql {

namespace {
using std::chrono::milliseconds;

constexpr milliseconds kAroundRequest{200};
constexpr milliseconds kBeforeProgressEnds{500};
// A write's clone file must start with a header line of at least this many characters.
constexpr std::size_t kMinHeaderLength = 8;

constexpr std::array<Tone, 4> kSuccessSignal{{{1000, milliseconds(50)},
                                              {0, milliseconds(50)},
                                              {1000, milliseconds(50)},
                                              {0, milliseconds(500)}}};
constexpr std::array<Tone, 8> kFailureSignal{{{500, milliseconds(400)},
                                              {0, milliseconds(100)},
                                              {500, milliseconds(400)},
                                              {0, milliseconds(100)},
                                              {500, milliseconds(400)},
                                              {0, milliseconds(100)},
                                              {500, milliseconds(400)},
                                              {0, milliseconds(500)}}};

CloneResult MapStatus(CloneStatus status) {
    if (status == CloneStatus::kDone) return CloneResult::kCompleted;
    if (status == CloneStatus::kCancelled) return CloneResult::kCancelled;
    return CloneResult::kFailed;
}
}  // namespace

CCloneLink::CCloneLink(std::unique_ptr<CSerialLine> line, CClock& clock, CTonePlayer& tones)
    : line_(std::move(line)), clock_(clock), tones_(tones) {}

CCloneLink::~CCloneLink() {
    line_->Close();
}

void CCloneLink::Wire::Send(std::span<const std::uint8_t> frame) {
    // A failed write is not retried: no echo comes back and the exchange times out.
    link_.NoteSent(frame);
    (void)link_.line_->Write(frame);
}

void CCloneLink::Wire::Pause(std::chrono::milliseconds duration) {
    link_.Pause(duration);
}

void CCloneLink::Pause(milliseconds duration) {
    if (shown_ == nullptr) {
        clock_.Sleep(duration);
        return;
    }
    while (duration > milliseconds::zero()) {
        const milliseconds slice = std::min(duration, kPollSlice);
        clock_.Sleep(slice);
        duration -= slice;
        shown_->SetProgress(session_.Percent());
    }
    lastServed_ = clock_.Now();
}

void CCloneLink::ServeProgress() {
    shown_->SetProgress(session_.Percent());
    // A cancel that comes after the exchange ended changes nothing.
    if (shown_->CancelRequested() && session_.Status() == CloneStatus::kRunning) {
        session_.SetStatus(CloneStatus::kCancelled);
    }
    lastServed_ = clock_.Now();
}

// Only the start of an exchange is needed to tell an echo from an answer; a write's later
// blocks are counted, not kept.
void CCloneLink::NoteSent(std::span<const std::uint8_t> frame) {
    constexpr std::size_t kKept = 4096;
    observed_.sent += frame.size();
    const std::size_t room = kKept - std::min(kKept, unanswered_.size());
    unanswered_.insert(unanswered_.end(), frame.begin(),
                       frame.begin() + static_cast<std::ptrdiff_t>(std::min(room, frame.size())));
}

void CCloneLink::NoteReceived(std::span<const std::uint8_t> bytes) {
    if (observed_.received == 0) observed_.echoOnly = true;
    observed_.received += bytes.size();
    for (const std::uint8_t byte : bytes) {
        if (!observed_.echoOnly) break;
        observed_.echoOnly = echoed_ < unanswered_.size() && unanswered_[echoed_] == byte;
        ++echoed_;
    }
}

CloneResult CCloneLink::ReadInformation() {
    session_.Begin(CloneMode::kInformation, false, nullptr, nullptr);
    return Run(CloneMode::kInformation);
}

CloneResult CCloneLink::ReadFromTransceiver() {
    fileFailure_.clear();
    if (progress_ != nullptr) progress_->ShowStatus(CloneText(text_id::kNowReading));
    // The clone file must be there to take the read before the transceiver is asked.
    if (const int error = SaveCloneFile(file_, {}); error != 0) {
        fileFailure_ = CloneFileFailure(file_, error);
        return CloneResult::kFailed;
    }
    std::ostringstream received;
    CByteBuf header;
    header.Append(session_.ModelBytes());
    header.Append(session_.RevisionBytes());
    header.ToHex();
    received << header.Text() << kCloneLineEnd << '#' << kCloneLineEnd;
    session_.Begin(CloneMode::kRead, false, &received, nullptr);
    CloneResult result = Run(CloneMode::kRead);
    // Only a whole file counts: a full disk or a quota fails the read.
    if (const int error = SaveCloneFile(file_, received.view());
        error != 0 && result == CloneResult::kCompleted) {
        fileFailure_ = CloneFileFailure(file_, error);
        result = CloneResult::kFailed;
    }
    return result;
}

CloneResult CCloneLink::WriteToTransceiver() {
    if (progress_ != nullptr) progress_->ShowStatus(CloneText(text_id::kNowWriting));
    session_.SetLineCount(CountCloneLines(file_));
    std::ifstream file(file_, std::ios::binary);
    std::string header;
    if (!file || ReadBoundedLine(file, header, kMaxCloneLine) != LineStatus::Line ||
        header.size() < kMinHeaderLength) {
        return CloneResult::kBadCloneFile;
    }
    session_.Begin(CloneMode::kWrite, true, nullptr, &file);
    return Run(CloneMode::kWrite);
}

CloneResult CCloneLink::Run(CloneMode mode) {
    shown_ = mode != CloneMode::kInformation ? progress_ : nullptr;
    if (shown_ != nullptr) shown_->BeginProgress(CloneText(text_id::kCloning));
    observed_ = {};
    observed_.device = device_;
    unanswered_.clear();
    echoed_ = 0;
    observed_.opened = line_->Open(device_, kBaudRate);
    observed_.port = line_->Observed();
    if (!observed_.opened) {
        if (shown_ != nullptr) std::exchange(shown_, nullptr)->EndProgress();
        return CloneResult::kPortUnavailable;
    }
    Pause(kAroundRequest);
    session_.SendRequest();
    Pause(kAroundRequest);
    Exchange();
    const CloneResult result = MapStatus(session_.Status());
    observed_.port = line_->Observed();
    line_->Close();
    if (shown_ != nullptr) {
        Pause(kBeforeProgressEnds);
        std::exchange(shown_, nullptr)->EndProgress();
    }
    return result;
}

// One received byte per turn goes through frame reception; a complete frame is acted on
// at once and restarts the time-out. Bytes are fetched from the line only when the ones
// already fetched are used up, and the line is waited on rather than polled, so the loop
// sleeps while nothing arrives. The progress display hears of a new percentage at once and
// otherwise once per wait slice, not once per byte.
void CCloneLink::Exchange() {
    std::array<std::uint8_t, CSerialLine::kMaxRead> bytes{};
    std::size_t next = 0;
    std::size_t fetched = 0;
    std::int64_t started = clock_.WholeSeconds();
    session_.ResetBlockCounter();
    session_.SetStatus(CloneStatus::kRunning);
    int shownPercent = -1;
    while (session_.Status() == CloneStatus::kRunning) {
        if (next == fetched) {
            next = fetched = 0;
            std::size_t count = 0;
            if (line_->WaitReadable(kPollSlice) && line_->Read(bytes, count)) {
                fetched = count;
                NoteReceived(std::span(bytes).first(count));
            }
        }
        if (next < fetched && session_.Receive(bytes[next++])) {
            session_.Dispatch();
            started = clock_.WholeSeconds();
        }
        if (shown_ != nullptr &&
            (session_.Percent() != shownPercent || clock_.Now() - lastServed_ >= kPollSlice)) {
            shownPercent = session_.Percent();
            ServeProgress();
        }
        if (clock_.WholeSeconds() - started > kTimeOutSeconds) {
            session_.SetStatus(CloneStatus::kTimeOut);
        }
    }
}

void CCloneLink::SignalResult(bool success) {
    if (success) {
        tones_.Play(kSuccessSignal);
    } else {
        tones_.Play(kFailureSignal);
    }
}

}  // namespace ql
