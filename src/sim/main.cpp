// rz7400-sim: a simulated RZ-7400 in cloning mode on a pseudo-terminal.

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/RetryOnEintr.h"
#include "base/SystemError.h"
#include "clone/CPreciseWakeups.h"
#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"
#include "sim/CPacedOutput.h"
#include "sim/CSimPty.h"
#include "sim/CSimTransceiver.h"
#include "sim/SimOptions.h"

namespace ql::sim {

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

// The comment as the identification carries it: 16 characters, none above 0xEF.
std::string IdentityComment(std::string_view text) {
    std::string comment(text.substr(0, 16));
    comment.resize(16, ' ');
    for (char& c : comment) {
        if (static_cast<unsigned char>(c) > 0xEF) c = '?';
    }
    return comment;
}

// SIGINT and SIGTERM arrive as readable data on a descriptor, so the loop ends cleanly.
int SignalDescriptor() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return -1;
    return signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
}

// The writer replaces the file whole, so it never shows half written.
void SaveWritten(const std::string& path, const CMemoryImage& image, std::string_view comment) {
    const IcfFileOutcome saved = WriteIcf(path, image.Bytes(), comment);
    if (!saved.Ok())
        std::cerr << "rz7400-sim: " << path << ": " << DescribeErrno(saved.error) << '\n';
}

int PollTimeout(const CPacedOutput& output, timespec& timeout) {
    const auto due = output.NextDue();
    if (!due) return -1;
    const auto wait = std::max(*due - CPacedOutput::Clock::now(), CPacedOutput::Clock::duration{});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
    timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
    return 0;
}

int Serve(const SimOptions& options, CSimTransceiver& transceiver, CSimPty& pty, int signals) {
    // A paced byte leaves when it is due, not when the kernel's timer slack lets it.
    std::optional<CPreciseWakeups> precise;
    if (options.pace) precise.emplace();
    CPacedOutput output(options.pace);
    std::array<std::uint8_t, 4096> buffer{};
    std::vector<std::uint8_t> answer;
    for (;;) {
        std::array<pollfd, 2> fds{{{pty.Master(), POLLIN, 0}, {signals, POLLIN, 0}}};
        if (output.Blocked()) fds[0].events |= POLLOUT;
        timespec timeout{};
        const bool timed = PollTimeout(output, timeout) == 0;
        if (RetryOnEintr([&] {
                return ppoll(fds.data(), fds.size(), timed ? &timeout : nullptr, nullptr);
            }) < 0) {
            std::cerr << "rz7400-sim: " << DescribeFailure("poll", errno) << '\n';
            return kFailure;
        }
        if ((fds[1].revents & POLLIN) != 0) return 0;
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t got =
                RetryOnEintr([&] { return ::read(pty.Master(), buffer.data(), buffer.size()); });
            if (got < 0 && errno != EAGAIN && errno != EIO) {
                std::cerr << "rz7400-sim: " << DescribeFailure(pty.DevicePath(), errno) << '\n';
                return kFailure;
            }
            for (ssize_t i = 0; i < got; ++i) {
                answer.clear();
                transceiver.Receive(buffer[static_cast<std::size_t>(i)], answer);
                output.Push(answer);
            }
        }
        // What was written is on disk before the answer goes out, so whoever hears the
        // result finds the file complete.
        if (std::optional<CMemoryImage> written = transceiver.TakeAcceptedWrite();
            written && !options.written.empty()) {
            SaveWritten(options.written, *written, transceiver.Identity().comment);
        }
        if (!output.Pump(pty.Master())) {
            std::cerr << "rz7400-sim: " << DescribeFailure(pty.DevicePath(), errno) << '\n';
            return kFailure;
        }
        if (options.once && transceiver.ExchangeFinished() && output.Empty()) {
            pty.WaitUntilRead();
            return 0;
        }
    }
}

int Run(std::span<const std::string_view> args) {
    std::string error;
    const std::optional<SimOptions> options = ParseSimOptions(args, error);
    if (!options) {
        std::cerr << "rz7400-sim: " << error << '\n' << SimUsage();
        return kUsageError;
    }
    if (options->help) {
        std::cout << SimUsage();
        return 0;
    }
    CMemoryImage memory = BuildFactoryImage(static_cast<int>(options->country));
    if (!options->image.empty()) {
        const IcfFileOutcome loaded = ReadIcf(options->image, memory.MutableBytes());
        if (!loaded.Ok()) {
            std::cerr << "rz7400-sim: " << options->image << ": " << loaded.result;
            if (loaded.error != 0) std::cerr << " (" << DescribeErrno(loaded.error) << ')';
            std::cerr << '\n';
            return kFailure;
        }
    }
    SimIdentity identity;
    identity.version = static_cast<std::uint8_t>(options->country);
    identity.expansion = static_cast<std::uint8_t>(options->expand);
    identity.comment = IdentityComment(options->comment);
    CSimTransceiver transceiver(std::move(memory), identity, options->blockSize, options->fault);

    const int signals = SignalDescriptor();
    if (signals < 0) {
        std::cerr << "rz7400-sim: " << DescribeFailure("signals", errno) << '\n';
        return kFailure;
    }
    CSimPty pty;
    if (!pty.Open(options->link, error)) {
        std::cerr << "rz7400-sim: " << error << '\n';
        return kFailure;
    }
    std::cout << pty.DevicePath() << std::endl;  // flushed: whoever waits for it may start
    const int status = Serve(*options, transceiver, pty, signals);
    ::close(signals);
    return status;
}

}  // namespace

}  // namespace ql::sim

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return ql::sim::Run(args);
}
