#pragma once

// What the start-up probes print: "shown" once the main window is on the screen, then the
// resident set size after a short idle time.

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

namespace ql::bench {

// VmRSS of this process in KiB.
inline long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

inline void ReportShownAndIdle() {
    QApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    // Idle as a running program does: waiting in the event loop.
    QEventLoop idle;
    QTimer::singleShot(300, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf("idle %ld\n", ResidentKiB());
    std::fflush(stdout);
}

}  // namespace ql::bench
