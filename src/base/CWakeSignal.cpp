#include "base/CWakeSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

#include "base/RetryOnEintr.h"

namespace ql {

namespace {
bool MakeQuick(int fd) {
    const int status = fcntl(fd, F_GETFL);
    return status >= 0 && fcntl(fd, F_SETFL, status | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}
}  // namespace

CWakeSignal::CWakeSignal() {
    std::array<int, 2> ends{-1, -1};
    if (pipe(ends.data()) != 0) return;
    if (!MakeQuick(ends[0]) || !MakeQuick(ends[1])) {
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    read_ = ends[0];
    write_ = ends[1];
}

CWakeSignal::~CWakeSignal() {
    if (read_ >= 0) ::close(read_);
    if (write_ >= 0) ::close(write_);
}

void CWakeSignal::Raise() {
    if (write_ < 0) return;
    const char mark = 1;
    // A full pipe is readable already: nothing is lost when this write finds no room.
    (void)RetryOnEintr([&] { return ::write(write_, &mark, 1); });
}

void CWakeSignal::Clear() {
    if (read_ < 0) return;
    std::array<char, 64> marks{};
    while (RetryOnEintr([&] { return ::read(read_, marks.data(), marks.size()); }) > 0) {
    }
}

}  // namespace ql
