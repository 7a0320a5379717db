#pragma once

#include <signal.h>

namespace ql::cli {

// Turns Ctrl-C into a question the program asks when it suits it: while the watch
// exists SIGINT is held back and read from a signal descriptor, so a read or write can end
// as cancelled instead of the process dying mid-exchange. An interrupt that nobody asked
// about is dropped when the watch goes.
class CInterruptWatch {
  public:
    CInterruptWatch();
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

    // True once Ctrl-C came (and from then on).
    [[nodiscard]] bool Interrupted();

  private:
    sigset_t previous_{};
    int fd_ = -1;
    bool interrupted_ = false;
};

}  // namespace ql::cli
