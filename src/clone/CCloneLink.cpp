#include "clone/CCloneLink.h"

#include <array>
#include <fstream>
#include <sstream>

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

int MapStatus(int status) {
    if (status == clone_status::kDone) return CCloneLink::kCompleted;
    if (status == clone_status::kCancelled) return CCloneLink::kCancelled;
    return CCloneLink::kFailed;
}
}  // namespace

CCloneLink::CCloneLink(std::unique_ptr<CSerialLine> line, CClock& clock, CTonePlayer& tones)
    : line_(std::move(line)), clock_(clock), tones_(tones) {}

CCloneLink::~CCloneLink() {
    line_->Close();
}

void CCloneLink::Wire::Send(std::span<const std::uint8_t> frame) {
    // A failed write is not retried: no echo comes back and the exchange times out.
    (void)link_.line_->Write(frame);
}

void CCloneLink::Wire::Pause(std::chrono::milliseconds duration) {
    link_.clock_.Sleep(duration);
}

int CCloneLink::ReadInformation() {
    session_.Begin(CloneMode::kInformation, false, nullptr, nullptr);
    return Run(CloneMode::kInformation);
}

int CCloneLink::ReadFromTransceiver() {
    fileFailure_.clear();
    if (progress_ != nullptr) progress_->ShowStatus(CloneText(text_id::kNowReading));
    // The clone file must be there to take the read before the transceiver is asked.
    if (const int error = SaveCloneFile(file_, {}); error != 0) {
        fileFailure_ = CloneFileFailure(file_, error);
        return kFailed;
    }
    std::ostringstream received;
    CByteBuf header;
    header.Append(session_.ModelBytes());
    header.Append(session_.RevisionBytes());
    header.ToHex();
    received << header.Text() << kCloneLineEnd << '#' << kCloneLineEnd;
    session_.Begin(CloneMode::kRead, false, &received, nullptr);
    int result = Run(CloneMode::kRead);
    // Only a whole file counts: a full disk or a quota fails the read.
    if (const int error = SaveCloneFile(file_, received.view()); error != 0 && result == 0) {
        fileFailure_ = CloneFileFailure(file_, error);
        result = kFailed;
    }
    return result;
}

int CCloneLink::WriteToTransceiver() {
    if (progress_ != nullptr) progress_->ShowStatus(CloneText(text_id::kNowWriting));
    session_.SetLineCount(CountCloneLines(file_));
    std::ifstream file(file_, std::ios::binary);
    std::string header;
    if (!file || ReadBoundedLine(file, header, kMaxCloneLine) != LineStatus::Line ||
        header.size() < kMinHeaderLength) {
        return kBadCloneFile;
    }
    session_.Begin(CloneMode::kWrite, true, nullptr, &file);
    return Run(CloneMode::kWrite);
}

int CCloneLink::Run(CloneMode mode) {
    const bool withProgress = mode != CloneMode::kInformation && progress_ != nullptr;
    if (withProgress) progress_->BeginProgress(CloneText(text_id::kCloning));
    if (!line_->Open(device_, kBaudRate)) {
        if (withProgress) progress_->EndProgress();
        return kPortUnavailable;
    }
    clock_.Sleep(kAroundRequest);
    session_.SendRequest();
    clock_.Sleep(kAroundRequest);
    Exchange(withProgress);
    const int result = MapStatus(session_.Status());
    line_->Close();
    if (withProgress) {
        clock_.Sleep(kBeforeProgressEnds);
        progress_->EndProgress();
    }
    return result;
}

// One received byte per turn goes through frame reception; a complete frame is acted on
// at once and restarts the time-out. Bytes are fetched from the line only when the ones
// already fetched are used up, and the line is waited on rather than polled, so the loop
// sleeps while nothing arrives.
void CCloneLink::Exchange(bool withProgress) {
    std::array<std::uint8_t, CSerialLine::kMaxRead> bytes{};
    std::size_t next = 0;
    std::size_t fetched = 0;
    std::int64_t started = clock_.WholeSeconds();
    session_.ResetBlockCounter();
    session_.SetStatus(clone_status::kRunning);
    while (session_.Status() == clone_status::kRunning) {
        if (next == fetched) {
            next = fetched = 0;
            std::size_t count = 0;
            if (line_->WaitReadable(kPollSlice) && line_->Read(bytes, count)) fetched = count;
        }
        if (next < fetched && session_.Receive(bytes[next++])) {
            session_.Dispatch();
            started = clock_.WholeSeconds();
        }
        if (withProgress) {
            progress_->SetProgress(session_.Percent());
            if (progress_->CancelRequested()) session_.SetStatus(clone_status::kCancelled);
        }
        if (clock_.WholeSeconds() - started > kTimeOutSeconds) {
            session_.SetStatus(clone_status::kTimeOut);
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
