#include "clone/CPreciseWakeups.h"

#include <sys/prctl.h>

namespace ql {

namespace {
// The slack of a precise sleep, in nanoseconds (0 would ask for the default back).
constexpr unsigned long kPreciseSlack = 1000;
}  // namespace

CPreciseWakeups::CPreciseWakeups() {
    const int slack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    if (slack < 0) return;
    if (::prctl(PR_SET_TIMERSLACK, kPreciseSlack, 0, 0, 0) == 0) saved_ = slack;
}

CPreciseWakeups::~CPreciseWakeups() {
    if (saved_ > 0) (void)::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(saved_), 0, 0, 0);
}

}  // namespace ql
