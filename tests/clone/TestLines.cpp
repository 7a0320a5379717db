#include "clone/TestLines.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

namespace ql::test {

bool MemoryLine::Open(std::string_view device, unsigned /*baud*/) {
    if (open_) return true;
    openedDevice = std::string(device);
    if (refuseOpen) {
        failure_ = std::string(device) + ": no such file or device";
        return false;
    }
    open_ = true;
    ++opens;
    return true;
}

void MemoryLine::Close() {
    open_ = false;
    pending_.clear();
}

void MemoryLine::Deliver(const Bytes& bytes, std::chrono::microseconds at) {
    for (const std::uint8_t byte : bytes) {
        const auto position = std::find_if(pending_.begin(), pending_.end(),
                                           [&](const Pending& p) { return p.due > at; });
        pending_.insert(position, {at, byte});
    }
}

bool MemoryLine::Write(std::span<const std::uint8_t> bytes) {
    if (!open_) return false;
    writerTimerSlack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    std::chrono::microseconds due = clock_.Precise() + replyDelay;
    for (const std::uint8_t byte : peer_.Hear(bytes)) {
        due += byteGap;
        pending_.push_back({due, byte});
    }
    return true;
}

bool MemoryLine::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    ++reads;
    std::size_t n = 0;
    const std::size_t most = std::min(buffer.size(), kMaxRead);
    while (n < most && !pending_.empty() && pending_.front().due <= clock_.Precise()) {
        buffer[n++] = pending_.front().byte;
        pending_.pop_front();
    }
    if (n == 0) return false;
    count = n;
    return true;
}

LineWait MemoryLine::Await(std::chrono::microseconds timeout, int /*wake*/) {
    ++waits;
    if (!pending_.empty() && pending_.front().due <= clock_.Precise() + timeout) {
        clock_.AdvanceTo(pending_.front().due);
        return LineWait::kReadable;
    }
    clock_.Advance(timeout);
    return LineWait::kTimedOut;
}

bool MemoryLine::Rest(std::chrono::microseconds duration, int /*wake*/) {
    ++waits;
    clock_.Advance(duration);
    return false;
}

LineWait FastSilenceLine::Await(std::chrono::microseconds timeout, int wake) {
    // The real silence is waited in slices of at most kRealSilence, so that a long wait of
    // the link still counts its seconds quickly.
    const auto slice = std::min<std::chrono::microseconds>(timeout, kRealSilence);
    const LineWait end = line_->Await(slice, wake);
    if (end != LineWait::kTimedOut) {
        silent_ = milliseconds::zero();
        return end;
    }
    silent_ += std::chrono::ceil<milliseconds>(slice);
    if (silent_ >= kRealSilence) {
        silent_ = milliseconds::zero();
        clock_.Advance(std::chrono::seconds(1));
    }
    return LineWait::kTimedOut;
}

PtyPeer::PtyPeer(ScriptedPeer& peer) : peer_(peer) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::array<char, 128> name{};
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name.data(), name.size()) != 0 || pipe(stop_) != 0) {
        ADD_FAILURE() << "cannot make a pseudo-terminal";
        return;
    }
    device_ = name.data();
    slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (slave_ >= 0 && tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave_, TCSANOW, &tio);
    }
    thread_ = std::thread([this] { Serve(); });
}

PtyPeer::~PtyPeer() {
    if (thread_.joinable()) {
        (void)!::write(stop_[1], "x", 1);
        thread_.join();
    }
    for (const int fd : {master_, slave_, stop_[0], stop_[1]}) {
        if (fd >= 0) ::close(fd);
    }
}

Bytes PtyPeer::Heard() {
    const std::lock_guard lock(mutex_);
    return peer_.heard;
}

void PtyPeer::Send(const Bytes& bytes) {
    const std::lock_guard lock(mutex_);
    (void)!::write(master_, bytes.data(), bytes.size());
}

void PtyPeer::Serve() {
    std::array<std::uint8_t, 4096> buffer{};
    for (;;) {
        std::array<pollfd, 2> fds{{{master_, POLLIN, 0}, {stop_[0], POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[1].revents != 0) return;
        if ((fds[0].revents & POLLIN) == 0) continue;
        const ssize_t got = ::read(master_, buffer.data(), buffer.size());
        if (got <= 0) continue;
        const std::lock_guard lock(mutex_);
        const Bytes reply = peer_.Hear(std::span(buffer.data(), static_cast<std::size_t>(got)));
        std::size_t done = 0;
        while (done < reply.size()) {
            const ssize_t written = ::write(master_, reply.data() + done, reply.size() - done);
            if (written <= 0) break;
            done += static_cast<std::size_t>(written);
        }
    }
}

}  // namespace ql::test
