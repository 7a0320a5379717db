#include "SystemCallCount.h"

#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <atomic>

namespace {

std::atomic<std::uint64_t> gReads{0};
std::atomic<std::uint64_t> gWrites{0};
std::atomic<std::uint64_t> gOthers{0};

}  // namespace

// The wrappers the linker puts in place of each call (see bench/CMakeLists.txt).
extern "C" {
ssize_t __real_read(int fd, void* buffer, size_t count);
ssize_t __real_write(int fd, const void* buffer, size_t count);
int __real_poll(pollfd* fds, nfds_t count, int timeout);
int __real_ppoll(pollfd* fds, nfds_t count, const timespec* timeout, const sigset_t* mask);
int __real_tcgetattr(int fd, termios* settings);
int __real_tcflush(int fd, int queue);
int __real_tcdrain(int fd);
int __real_flock(int fd, int operation);
int __real_ioctl(int fd, unsigned long request, ...);
int __real_tcsetattr(int fd, int when, const termios* settings);
int __real_nanosleep(const timespec* duration, timespec* rest);
int __real_clock_nanosleep(clockid_t clock, int flags, const timespec* time, timespec* rest);

ssize_t __wrap_read(int fd, void* buffer, size_t count) {
    gReads.fetch_add(1, std::memory_order_relaxed);
    return __real_read(fd, buffer, count);
}

ssize_t __wrap_write(int fd, const void* buffer, size_t count) {
    gWrites.fetch_add(1, std::memory_order_relaxed);
    return __real_write(fd, buffer, count);
}

int __wrap_poll(pollfd* fds, nfds_t count, int timeout) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_poll(fds, count, timeout);
}

int __wrap_ppoll(pollfd* fds, nfds_t count, const timespec* timeout, const sigset_t* mask) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_ppoll(fds, count, timeout, mask);
}

int __wrap_tcgetattr(int fd, termios* settings) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_tcgetattr(fd, settings);
}

int __wrap_tcflush(int fd, int queue) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_tcflush(fd, queue);
}

int __wrap_tcdrain(int fd) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_tcdrain(fd);
}

int __wrap_flock(int fd, int operation) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_flock(fd, operation);
}

// Every ioctl of the clone layer passes one pointer (or nothing that is read).
int __wrap_ioctl(int fd, unsigned long request, void* argument) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_ioctl(fd, request, argument);
}

int __wrap_tcsetattr(int fd, int when, const termios* settings) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_tcsetattr(fd, when, settings);
}

int __wrap_nanosleep(const timespec* duration, timespec* rest) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_nanosleep(duration, rest);
}

int __wrap_clock_nanosleep(clockid_t clock, int flags, const timespec* time, timespec* rest) {
    gOthers.fetch_add(1, std::memory_order_relaxed);
    return __real_clock_nanosleep(clock, flags, time, rest);
}
}

namespace ql::bench {

SystemCalls CountedSystemCalls() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return {gReads.load(), gWrites.load(), gOthers.load(),
            static_cast<std::uint64_t>(usage.ru_nvcsw)};
}

}  // namespace ql::bench
