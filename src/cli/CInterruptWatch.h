#pragma once

#include <signal.h>

namespace ql::cli {

// Turns Ctrl-C (SIGINT), SIGTERM and SIGHUP into a question the program asks when it suits
// it: while the watch exists these signals are held back and read from a signal descriptor,
// so a read or write ends as cancelled and every command unwinds normally, its destructors
// removing the temporary files, instead of the process dying in the middle. The program then
// ends as the signal asked (Reraise). The watch must be made before any thread starts, since
// a thread takes over the signal mask of its creator.
class CInterruptWatch {
  public:
    CInterruptWatch();
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

    // True once one of the signals came (and from then on).
    [[nodiscard]] bool Interrupted();
    // The first signal that came, 0 while none did.
    [[nodiscard]] int Caught();
    // Readable when a signal waits; for a caller that waits on other descriptors too.
    [[nodiscard]] int Descriptor() const { return fd_; }

  private:
    sigset_t previous_{};
    int fd_ = -1;
    int caught_ = 0;
};

// Ends the process by signal number with the signal's default action, so that the parent
// sees the conventional status (128 + number in a shell). Returns only if the signal does
// not end the process.
void Reraise(int number);

}  // namespace ql::cli
