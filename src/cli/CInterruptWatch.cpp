#include "cli/CInterruptWatch.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <array>

#include "base/RetryOnEintr.h"

namespace ql::cli {

namespace {
constexpr std::array<int, 3> kWatched{SIGINT, SIGTERM, SIGHUP};
}  // namespace

CInterruptWatch::CInterruptWatch() {
    sigset_t watched;
    sigemptyset(&watched);
    for (const int number : kWatched) sigaddset(&watched, number);
    if (pthread_sigmask(SIG_BLOCK, &watched, &previous_) == 0) {
        fd_ = signalfd(-1, &watched, SFD_NONBLOCK | SFD_CLOEXEC);
    }
}

CInterruptWatch::~CInterruptWatch() {
    if (fd_ >= 0) {
        (void)Caught();  // takes a pending signal off the descriptor
        ::close(fd_);
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

bool CInterruptWatch::Interrupted() {
    return Caught() != 0;
}

int CInterruptWatch::Caught() {
    if (fd_ < 0) return caught_;
    signalfd_siginfo info{};
    while (RetryOnEintr([&] { return ::read(fd_, &info, sizeof info); }) ==
           static_cast<ssize_t>(sizeof info)) {
        if (caught_ == 0) caught_ = static_cast<int>(info.ssi_signo);
    }
    return caught_;
}

void Reraise(int number) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    (void)sigaction(number, &action, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    (void)pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    (void)raise(number);
}

}  // namespace ql::cli
