#pragma once

namespace ql {

// A descriptor that one thread makes readable to wake another that sleeps in poll: the
// sleeper adds Descriptor() to what it waits on, the waker calls Raise. Raise may be called
// from any thread; Clear (by the sleeper) makes the descriptor quiet again.
class CWakeSignal {
  public:
    CWakeSignal();
    ~CWakeSignal();
    CWakeSignal(const CWakeSignal&) = delete;
    CWakeSignal& operator=(const CWakeSignal&) = delete;

    void Raise();
    void Clear();
    // -1 when no descriptor could be made; then the sleeper must look on its own.
    [[nodiscard]] int Descriptor() const { return read_; }

  private:
    int read_ = -1;
    int write_ = -1;
};

}  // namespace ql
