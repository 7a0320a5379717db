#include "cli/CInterruptWatch.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include "base/RetryOnEintr.h"

namespace ql::cli {

CInterruptWatch::CInterruptWatch() {
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    if (pthread_sigmask(SIG_BLOCK, &interrupt, &previous_) == 0) {
        fd_ = signalfd(-1, &interrupt, SFD_NONBLOCK | SFD_CLOEXEC);
    }
}

CInterruptWatch::~CInterruptWatch() {
    if (fd_ >= 0) {
        (void)Interrupted();  // takes a pending interrupt off the descriptor
        ::close(fd_);
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

bool CInterruptWatch::Interrupted() {
    if (fd_ < 0) return interrupted_;
    signalfd_siginfo info{};
    while (RetryOnEintr([&] { return ::read(fd_, &info, sizeof info); }) ==
           static_cast<ssize_t>(sizeof info)) {
        interrupted_ = true;
    }
    return interrupted_;
}

}  // namespace ql::cli
