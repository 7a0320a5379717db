#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>

namespace ql {

// The window's thread and one worker thread at a time. Run starts work on the worker and
// returns when it has ended, while the window's thread keeps processing its events; the
// worker hands the window's thread calls through Post (queued, the worker goes on) and Await
// (the worker waits until the call has run), which run there in the order they were made.
// The calls wait in a queue under a mutex, and a queued Qt call tells the window's thread to
// take them, so every hand-over is ordered by the mutex.
class CWorkerBridge final : public QObject {
    Q_OBJECT
  public:
    // Made on the window's thread.
    CWorkerBridge();
    ~CWorkerBridge() override;
    CWorkerBridge(const CWorkerBridge&) = delete;
    CWorkerBridge& operator=(const CWorkerBridge&) = delete;

    // Runs work on a thread of its own; the window's thread processes painting, timers,
    // accessibility requests and the worker's calls meanwhile. The user's input waits, as
    // it would behind a call that blocks, except while acceptsInput says otherwise (a
    // progress dialog that answers Escape). An exception that leaves work is thrown here.
    void Run(const std::function<void()>& work, const std::function<bool()>& acceptsInput);

    // From the worker: call runs on the window's thread after every call handed over before.
    void Post(std::function<void()> call);
    // From the worker: as Post, and returns when call has run (and rethrows what it threw).
    // On the window's thread itself call runs at once.
    void Await(const std::function<void()>& call);

  private Q_SLOTS:
    // Runs the calls handed over, one at a time in their order.
    void Drain();

  private:
    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;  // guarded by mutex_
};

}  // namespace ql
