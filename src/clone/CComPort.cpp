#include "clone/CComPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <utility>

#if defined(__linux__)
#include <linux/serial.h>
#endif

#include "base/DescriptorWaits.h"
#include "base/RetryOnEintr.h"
#include "base/SystemError.h"

namespace ql {

namespace {

// How long a write may wait for a device that stopped taking output (EAGAIN).
constexpr std::chrono::milliseconds kWriteStall{2000};

timespec TimespecOf(std::chrono::microseconds duration) {
    const auto micros = std::max<std::int64_t>(duration.count(), 0);
    return {static_cast<time_t>(micros / 1'000'000), static_cast<long>(micros % 1'000'000 * 1000)};
}

std::optional<speed_t> SpeedOf(unsigned baud) {
    static constexpr std::array<std::pair<unsigned, speed_t>, 8> kSpeeds{{{1200, B1200},
                                                                          {2400, B2400},
                                                                          {4800, B4800},
                                                                          {9600, B9600},
                                                                          {19200, B19200},
                                                                          {38400, B38400},
                                                                          {57600, B57600},
                                                                          {115200, B115200}}};
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baud) return speed;
    }
    return std::nullopt;
}

// 8 data bits, no parity, one stop bit, receiver on, modem status ignored, no flow
// control in either direction, no processing of any byte.
bool ConfigureLine(int fd, termios& tio, speed_t speed) {
    cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // Reads never wait: the port reads only what has arrived.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0) return false;
    return RetryOnEintr([&] { return tcsetattr(fd, TCSANOW, &tio); }) == 0;
}

// DTR low, RTS high: the clone cable draws its power and direction from these. A device
// without modem lines (a pseudo-terminal) refuses the request, which is fine.
void SetModemLines(int fd) {
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    (void)ioctl(fd, TIOCMBIC, &dtr);
    (void)ioctl(fd, TIOCMBIS, &rts);
}

// Every frame of a write waits for its echo, so a USB adapter's default latency timer
// would add seconds; ask for low latency where the driver knows the request.
// A device that does not know the request at all (a pseudo-terminal) leaves it unknown.
LowLatency RequestLowLatency([[maybe_unused]] int fd) {
#if defined(__linux__) && defined(TIOCGSERIAL) && defined(ASYNC_LOW_LATENCY)
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0) return LowLatency::kUnknown;
    serial.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(fd, TIOCSSERIAL, &serial) != 0) return LowLatency::kRefused;
    // Some drivers take the request without keeping the flag.
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0 || (serial.flags & ASYNC_LOW_LATENCY) == 0) {
        return LowLatency::kRefused;
    }
    return LowLatency::kGranted;
#else
    return LowLatency::kUnknown;
#endif
}

// The cause of a port failure as the user can act on it: only here does a refused
// permission point at the dialout group, and a device that is no terminal says so instead
// of naming the ioctl that found out.
std::string DescribePortFailure(std::string_view device, int error) {
    std::string text(device);
    switch (error) {
        case EACCES:
        case EPERM:
            return text + ": permission denied (is the user in the dialout group?)";
        case ENOTTY:
            return text + ": not a serial device";
        default:
            return DescribeFailure(device, error);
    }
}

}  // namespace

CComPort::~CComPort() {
    if (fd_ < 0) return;
    // No virtual call from here: a derived port is already gone.
    RestoreLine(fd_);
    (void)ioctl(fd_, TIOCNXCL);
    (void)::close(fd_);
}

void CComPort::RestoreLine(int fd) {
    if (!saved_) return;
    (void)RetryOnEintr([&] { return tcsetattr(fd, TCSANOW, &*saved_); });
    saved_.reset();
}

bool CComPort::Open(std::string_view device, unsigned baud) {
    if (IsOpen()) return true;
    portName_ = std::string(device);
    baud_ = baud;
    lastFailure_.clear();
    observed_ = {};
    fd_ = OpenPort(portName_, baud_);
    if (fd_ < 0) {
        Close();
        return false;
    }
    return true;
}

int CComPort::OpenPort(const std::string& device, unsigned baud) {
    const int fd = RetryOnEintr(
        [&] { return ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); });
    if (fd < 0) {
        Fail(kNotOpen, errno);
        return -1;
    }
    // A regular file, a pipe or a directory opened by mistake is no port; a character device
    // that is no terminal (/dev/null) shows itself at tcgetattr below.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        CloseDevice(fd);
        Fail({}, ENOTTY);  // the line state cannot be read: refused without a report
        return -1;
    }
    // flock keeps out every other opener, also another process and also root, for whom
    // TIOCEXCL does not count.
    if (RetryOnEintr([&] { return flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        CloseDevice(fd);
        Fail(kNotOpen, error);
        return -1;
    }
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        // Not a terminal: refused without a report. Some drivers say EINVAL for it.
        Fail({}, errno == EINVAL ? ENOTTY : errno);
        CloseDevice(fd);
        return -1;
    }
    // The line goes back to these settings when the port closes.
    saved_ = tio;
    (void)ioctl(fd, TIOCEXCL);
    // The descriptor stays non-blocking: a read takes what has arrived and returns, and a
    // write that finds the driver's buffer full waits for room (Write).
    (void)tcflush(fd, TCIOFLUSH);

    const std::optional<speed_t> speed = SpeedOf(baud);
    if (!speed || !ConfigureLine(fd, tio, *speed)) {
        Fail(kInvalidSetting, speed ? errno : EINVAL);
        RestoreLine(fd);
        CloseDevice(fd);
        return -1;
    }
    SetModemLines(fd);
    observed_.lowLatency = RequestLowLatency(fd);
    return fd;
}

void CComPort::Close() {
    if (!IsOpen()) return;
    (void)tcflush(fd_, TCIOFLUSH);
    RestoreLine(fd_);
    // Leave no exclusive mark behind for the next opener of the device.
    (void)ioctl(fd_, TIOCNXCL);
    CloseDevice(fd_);
    fd_ = -1;
}

void CComPort::CloseDevice(int handle) {
    if (handle >= 0) (void)::close(handle);  // no retry: the descriptor is gone either way
}

bool CComPort::Write(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) return false;
    while (!bytes.empty()) {
        const ssize_t written =
            RetryOnEintr([&] { return ::write(fd_, bytes.data(), bytes.size()); });
        if (written < 0 && errno == EAGAIN && WaitWritable(fd_, kWriteStall)) continue;
        if (written <= 0) {
            Fail(kWriteError, written < 0 ? errno : EIO);
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool CComPort::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    if (!IsOpen()) return false;
    const std::size_t most = std::min(kMaxRead, buffer.size());
    if (most == 0) return false;
    const ssize_t got = RetryOnEintr([&] { return ::read(fd_, buffer.data(), most); });
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return false;  // none yet
    if (got < 0) {
        Fail(kReadError, errno);
        return false;
    }
    if (got == 0) return false;
    count = static_cast<std::size_t>(got);
    return true;
}

bool CComPort::Flush() {
    if (!IsOpen()) return false;
    return RetryOnEintr([&] { return tcdrain(fd_); }) == 0;
}

LineWait CComPort::Await(std::chrono::microseconds timeout, int wake) {
    if (!IsOpen()) {
        return Rest(timeout, wake) ? LineWait::kWoken : LineWait::kTimedOut;
    }
    std::array<pollfd, 2> entries{{{fd_, POLLIN, 0}, {wake, POLLIN, 0}}};
    const nfds_t count = wake >= 0 ? 2 : 1;
    const timespec limit = TimespecOf(timeout);
    const int ready = RetryOnEintr([&] { return ::ppoll(entries.data(), count, &limit, nullptr); });
    if (ready <= 0) return LineWait::kTimedOut;
    if (count == 2 && entries[1].revents != 0) return LineWait::kWoken;
    if ((entries[0].revents & POLLIN) != 0) return LineWait::kReadable;
    // A hung-up device reports itself at once on every poll; wait out the time so that a
    // caller polling in a loop does not spin.
    return Rest(timeout, wake) ? LineWait::kWoken : LineWait::kTimedOut;
}

bool CComPort::Rest(std::chrono::microseconds duration, int wake) {
    if (duration <= std::chrono::microseconds::zero()) return false;
    const timespec limit = TimespecOf(duration);
    if (wake < 0) {
        timespec rest = limit;
        while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
        }
        return false;
    }
    pollfd entry{wake, POLLIN, 0};
    return RetryOnEintr([&] { return ::ppoll(&entry, 1, &limit, nullptr); }) > 0;
}

std::optional<int> CComPort::ModemLines() const {
    int bits = 0;
    if (!IsOpen() || ioctl(fd_, TIOCMGET, &bits) != 0) return std::nullopt;
    return bits;
}

void CComPort::Fail(std::string_view reportText, int code) {
    lastFailure_ = DescribePortFailure(portName_, code);
    (IsOpen() ? observed_.ioError : observed_.openError) = code;
    if (!reportText.empty()) ReportError(reportText, code);
}

void CComPort::ReportError(std::string_view /*text*/, int /*code*/) {}

}  // namespace ql
