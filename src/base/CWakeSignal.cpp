#include "base/CWakeSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

#include "base/RetryOnEintr.h"

namespace ql {

CWakeSignal::CWakeSignal() {
    std::array<int, 2> ends{-1, -1};
    if (::pipe2(ends.data(), O_NONBLOCK | O_CLOEXEC) != 0) return;
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
