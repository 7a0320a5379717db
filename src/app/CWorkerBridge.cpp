#include "app/CWorkerBridge.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <condition_variable>
#include <exception>
#include <thread>

namespace ql {

CWorkerBridge::CWorkerBridge() = default;

CWorkerBridge::~CWorkerBridge() = default;

void CWorkerBridge::Run(const std::function<void()>& work,
                        const std::function<bool()>& acceptsInput) {
    bool done = false;  // the window's thread only
    std::exception_ptr failure;
    {
        const std::jthread worker([&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
            // Behind every call the work handed over, so all of them have run at the end.
            Post([&done] { done = true; });
        });
        // Not a QEventLoop: an application that is quitting ends every event loop at once,
        // while the worker may still wait for an answer from this thread.
        while (!done) {
            QEventLoop::ProcessEventsFlags flags = QEventLoop::WaitForMoreEvents;
            if (!acceptsInput()) flags |= QEventLoop::ExcludeUserInputEvents;
            QCoreApplication::processEvents(flags);
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void CWorkerBridge::Post(std::function<void()> call) {
    {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
}

void CWorkerBridge::Await(const std::function<void()>& call) {
    if (QThread::currentThread() == thread()) {
        call();
        return;
    }
    std::mutex mutex;
    std::condition_variable ran;
    bool finished = false;
    std::exception_ptr failure;
    Post([&] {
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        finished = true;
        ran.notify_one();
    });
    std::unique_lock lock(mutex);
    ran.wait(lock, [&] { return finished; });
    if (failure) std::rethrow_exception(failure);
}

void CWorkerBridge::Drain() {
    // One at a time: a call that runs an event loop of its own (a message box) lets the
    // calls behind it run inside that loop, still in their order.
    for (;;) {
        std::function<void()> call;
        {
            const std::lock_guard lock(mutex_);
            if (calls_.empty()) return;
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
}

}  // namespace ql
