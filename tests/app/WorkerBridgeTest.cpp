// The bridge between the window's thread and a clone command's worker thread: where and in
// which order the worker's calls run, and what becomes of a failure on either side.

#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/CWorkerBridge.h"

namespace ql::test {
namespace {

TEST(WorkerBridge, RunsTheWorkersCallsOnTheWindowsThreadInTheirOrder) {
    CWorkerBridge bridge;
    QThread* const window = QThread::currentThread();
    QThread* worker = nullptr;
    std::vector<std::string> calls;  // the window's thread only
    bool allOnWindow = true;
    int answer = 0;
    bridge.Run(
        [&] {
            worker = QThread::currentThread();
            for (int i = 0; i < 50; ++i) {
                bridge.Post([&, i] {
                    allOnWindow = allOnWindow && QThread::currentThread() == window;
                    calls.push_back("post " + std::to_string(i));
                });
            }
            bridge.Await([&] {
                allOnWindow = allOnWindow && QThread::currentThread() == window;
                calls.emplace_back("await");
                answer = 42;
            });
            // The answer is there when Await returns, and every call before it has run.
            if (answer == 42) bridge.Post([&] { calls.emplace_back("after"); });
        },
        [] { return false; });
    EXPECT_NE(worker, window);
    EXPECT_TRUE(allOnWindow);
    ASSERT_EQ(calls.size(), 52U) << "everything posted has run when Run returns";
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(calls[static_cast<std::size_t>(i)], "post " + std::to_string(i));
    EXPECT_EQ(calls[50], "await");
    EXPECT_EQ(calls[51], "after");
}

TEST(WorkerBridge, TheWindowsEventsAreProcessedWhileTheWorkerWaits) {
    CWorkerBridge bridge;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(1);
    bool sawTicks = false;
    bridge.Run(
        [&] {
            // The worker asks the window's thread until the timer has fired a few times.
            for (int i = 0; i < 5000 && !sawTicks; ++i) {
                bridge.Await([&] { sawTicks = ticks >= 5; });
                QThread::msleep(1);
            }
        },
        [] { return false; });
    EXPECT_TRUE(sawTicks);
}

TEST(WorkerBridge, FailuresReachTheSideThatWaits) {
    CWorkerBridge bridge;
    std::string caught;
    EXPECT_THROW(bridge.Run(
                     [&] {
                         try {
                             bridge.Await([] { throw std::runtime_error("from the window"); });
                         } catch (const std::runtime_error& error) {
                             caught = error.what();
                         }
                         throw std::logic_error("from the worker");
                     },
                     [] { return false; }),
                 std::logic_error);
    EXPECT_EQ(caught, "from the window");

    // On the window's thread itself Await runs the call at once.
    bool ran = false;
    bridge.Await([&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace ql::test
