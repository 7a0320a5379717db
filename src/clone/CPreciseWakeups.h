#pragma once

namespace ql {

// While it lives, the sleeps of the thread that made it end when they are due. By default the
// kernel may end a sleep of an ordinary thread up to 50 microseconds late to let timers share
// a wake-up; a clone exchange sends its next frame when the echo of the last one is in, so on
// each of its hundreds of frames that slack would add to the clone's time. The thread's own
// slack comes back when it ends. Made and ended on the same thread.
class CPreciseWakeups {
  public:
    CPreciseWakeups();
    ~CPreciseWakeups();
    CPreciseWakeups(const CPreciseWakeups&) = delete;
    CPreciseWakeups& operator=(const CPreciseWakeups&) = delete;

  private:
    // The thread's slack before, in nanoseconds; negative when it could not be read, and
    // then nothing was changed.
    long saved_ = -1;
};

}  // namespace ql
