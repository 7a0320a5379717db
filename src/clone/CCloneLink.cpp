#include "clone/CCloneLink.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <utility>

#include "base/LineReader.h"
#include "clone/CClock.h"
#include "clone/CCloneUi.h"
#include "clone/CPreciseWakeups.h"
#include "clone/CTonePlayer.h"
#include "clone/CloneFile.h"
#include "clone/CloneStrings.h"

namespace ql {

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;

// The longest a rest waits beyond the line time of its bytes for their late arrival.
constexpr microseconds kMostLateness{1000};
// How the margin moves after a rest that woke before all its bytes had come, and after one
// that found them all. In balance kSoonerStep / (kLaterStep + kSoonerStep) of the rests, one
// in four, wake early.
constexpr microseconds kLaterStep{24};
constexpr microseconds kSoonerStep{8};
// How far the line time may differ from what the clock saw before a pace counts as known.
constexpr int kPaceSlackBytes = 4;

microseconds LineTime(std::size_t bytes) {
    return std::chrono::ceil<microseconds>(CCloneLink::kByteTime *
                                           static_cast<std::int64_t>(bytes));
}

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
    link_.echoOwed_ += frame.size();
    link_.flowSince_ = link_.clock_.Precise();
    (void)link_.line_->Write(frame);
}

void CCloneLink::Wire::Pause(std::chrono::milliseconds duration) {
    link_.Pause(duration);
}

void CCloneLink::Pause(milliseconds duration) {
    // A display that can be woken for cancel lives on a thread of its own: the pause need not
    // serve it.
    if (shown_ == nullptr || shown_->CancelDescriptor() >= 0) {
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
    echoOwed_ = 0;
    pace_ = Pace::kUnknown;
    flowSince_.reset();
    lateness_ = microseconds::zero();
    woken_ = false;
    observed_.opened = line_->Open(device_, kBaudRate);
    observed_.port = line_->Observed();
    if (!observed_.opened) {
        if (shown_ != nullptr) std::exchange(shown_, nullptr)->EndProgress();
        return CloneResult::kPortUnavailable;
    }
    const CPreciseWakeups precise;
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
// already fetched are used up, and then the link sleeps until a frame can be complete (see
// Fetch), so it wakes about once per frame, not once per byte. The progress display hears of
// a new percentage at once; a display without a cancel descriptor also once per wait slice.
void CCloneLink::Exchange() {
    std::array<std::uint8_t, CSerialLine::kMaxRead> bytes{};
    std::size_t next = 0;
    std::size_t fetched = 0;
    std::int64_t started = clock_.WholeSeconds();
    session_.ResetBlockCounter();
    session_.SetStatus(CloneStatus::kRunning);
    int shownPercent = -1;
    const bool sliced = shown_ != nullptr && shown_->CancelDescriptor() < 0;
    while (session_.Status() == CloneStatus::kRunning) {
        if (next == fetched) {
            next = 0;
            fetched = Fetch(bytes, started);
        }
        if (next < fetched) {
            if (echoOwed_ > 0) --echoOwed_;
            if (session_.Receive(bytes[next++])) {
                session_.Dispatch();
                started = clock_.WholeSeconds();
            }
        }
        if (shown_ != nullptr &&
            (session_.Percent() != shownPercent || std::exchange(woken_, false) ||
             (sliced && clock_.Now() - lastServed_ >= kPollSlice))) {
            shownPercent = session_.Percent();
            ServeProgress();
        }
        if (clock_.WholeSeconds() - started > kTimeOutSeconds) {
            session_.SetStatus(CloneStatus::kTimeOut);
        }
    }
}

// How long to wait: on a line at the line rate with bytes flowing, the link rests (without
// looking at the line, so the bytes wake nothing) until the bytes that the next frame needs
// at the least are due: the rest of the echo of the frame it sent, or the rest of the
// shortest frame the transceiver may send. Otherwise it waits on the line for the next byte.
// Either wait ends early for the cancel descriptor, and no later than the moment the time-out
// falls (or after one slice, for a display that must be served in slices).
std::size_t CCloneLink::Fetch(std::span<std::uint8_t> bytes, std::int64_t timeOutStarted) {
    const int wake = shown_ != nullptr ? shown_->CancelDescriptor() : -1;
    const microseconds now = clock_.Precise();
    const microseconds timeOut = std::chrono::seconds(timeOutStarted + kTimeOutSeconds + 1) - now;
    microseconds bound = std::max(timeOut, microseconds::zero());
    if (shown_ != nullptr && wake < 0) bound = std::min<microseconds>(bound, kPollSlice);

    const std::size_t need = echoOwed_ > 0 ? echoOwed_ : session_.BytesBeforeFrameCanEnd();
    const bool rest = pace_ == Pace::kLineRate && need > 1 && flowSince_.has_value();
    if (rest) {
        const microseconds due = *flowSince_ + LineTime(need) + lateness_;
        if (due > now) woken_ = line_->Rest(std::min(due - now, bound), wake);
    } else {
        const LineWait end = line_->Await(bound, wake);
        woken_ = end == LineWait::kWoken;
        if (end == LineWait::kTimedOut) return 0;
    }
    std::size_t count = 0;
    if (!line_->Read(bytes, count)) count = 0;
    const microseconds after = clock_.Precise();
    if (count > 0) {
        NoteReceived(bytes.first(count));
        if (pace_ == Pace::kUnknown) LearnPace(count, after);
    }
    if (rest) {
        // The margin follows the bytes' lateness so that about one rest in four wakes before
        // the last of its bytes and then waits on the line for it. A margin that never woke
        // early would delay every frame by the worst lateness seen, and a write sends its next
        // frame only once the echo of the last one is in; more early wakes would cost more
        // calls. Small steps keep one slow byte from moving the margin far.
        lateness_ = count < need ? std::min(lateness_ + kLaterStep, kMostLateness)
                                 : std::max(lateness_ - kSoonerStep, microseconds::zero());
    }
    // The next byte is at most one byte time away while bytes flow; after a rest that found
    // nothing the line is quiet, and the next wait looks at the line.
    if (count > 0) {
        flowSince_ = after - LineTime(1);
    } else if (rest) {
        flowSince_.reset();
    }
    return count;
}

void CCloneLink::LearnPace(std::size_t count, microseconds now) {
    if (!flowSince_) return;
    const microseconds elapsed = now - *flowSince_;
    const microseconds carried = LineTime(count);
    if (carried > elapsed + LineTime(2)) {
        pace_ = Pace::kFaster;
    } else if (elapsed <= carried + LineTime(kPaceSlackBytes)) {
        pace_ = Pace::kLineRate;
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
