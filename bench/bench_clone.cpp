// A paced read and a paced write against rz7400-sim --pace, which spends on every byte the
// time 9600 baud 8-N-1 takes. Reported: wall time against the floor the line and the
// protocol's own pauses allow, processor time as a share of wall time, and the system calls
// of the exchange (reads, writes, all of them) with the times it went to sleep.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "LineRate.h"
#include "SystemCallCount.h"
#include "base/CWakeSignal.h"
#include "base/LineReader.h"
#include "clone/CClock.h"
#include "clone/CCloneLink.h"
#include "clone/CCloneUi.h"
#include "clone/CComPort.h"
#include "clone/CTonePlayer.h"
#include "clone/CloneFile.h"
#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"

namespace ql {
namespace {

using std::chrono::duration;

using namespace ql::bench;  // NOLINT(google-build-using-namespace): the line-rate figures

// rz7400-sim as a child process, ready once it printed its device.
class PacedSimulator {
  public:
    explicit PacedSimulator(const std::filesystem::path& link) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::string program = std::string(QL_BIN_DIR) + "/rz7400-sim";
        std::string linkArg = link.string();
        std::string linkOption = "--link";
        std::string pace = "--pace";
        char* argv[] = {program.data(), linkOption.data(), linkArg.data(), pace.data(), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string line;
        char c = 0;
        pollfd entry{out[0], POLLIN, 0};
        while (pid_ > 0 && poll(&entry, 1, 30000) > 0 && read(out[0], &c, 1) == 1 && c != '\n') {
            line.push_back(c);
        }
        close(out[0]);
        ready_ = !line.empty();
    }
    ~PacedSimulator() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    PacedSimulator(const PacedSimulator&) = delete;
    PacedSimulator& operator=(const PacedSimulator&) = delete;

    [[nodiscard]] bool Ready() const { return ready_; }

  private:
    pid_t pid_ = -1;
    bool ready_ = false;
};

// A progress display that shows nothing, so the exchange runs as it does under one: under
// the window's, which runs on a thread of its own and wakes the exchange for cancel.
class SilentProgress final : public CCloneProgress {
  public:
    [[nodiscard]] int CancelDescriptor() override { return cancel_.Descriptor(); }
    void ShowStatus(std::string_view /*text*/) override {}
    void BeginProgress(std::string_view /*caption*/) override {}
    void SetProgress(int /*percent*/) override {}
    [[nodiscard]] bool CancelRequested() override { return false; }
    void EndProgress() override {}

  private:
    CWakeSignal cancel_;
};

void PacedExchange(benchmark::State& state, bool write) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ql7400-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::filesystem::path dir(pattern);
    const std::filesystem::path cloneFile = dir / "clone.icf";
    {
        const PacedSimulator sim(dir / "rz7400");
        if (!sim.Ready()) {
            state.SkipWithError("rz7400-sim did not start");
            return;
        }
        CMonotonicClock clock;
        CSilentTones tones;
        SilentProgress progress;
        CCloneLink link(std::make_unique<CComPort>(), clock, tones);
        link.SetDevice((dir / "rz7400").string());
        link.SetModel(0x2047);
        link.SetRevision(1);
        link.SetExpectedBlocks(112);
        link.SetFile(cloneFile);
        link.SetProgress(&progress);
        if (write && !WriteIcf(cloneFile, BuildFactoryImage(0).Bytes(), "bench").Ok()) {
            state.SkipWithError("the clone file could not be written");
        }

        double wall = 0;
        double cpu = 0;
        SystemCalls calls;
        for (auto _ : state) {
            const auto started = std::chrono::steady_clock::now();
            const double cpuStarted = ProcessSeconds();
            const SystemCalls callsBefore = CountedSystemCalls();
            const CloneResult result =
                write ? link.WriteToTransceiver() : link.ReadFromTransceiver();
            calls = CountedSystemCalls() - callsBefore;
            cpu = ProcessSeconds() - cpuStarted;
            wall = duration<double>(std::chrono::steady_clock::now() - started).count();
            state.SetIterationTime(wall);
            if (result != CloneResult::kCompleted) state.SkipWithError("the exchange failed");
        }
        // The line's bytes and the pauses of the protocol: 200 ms before the request, 200 ms
        // after it (during which the line already carries the echo and, in a read, the
        // blocks), 200 ms after the echo of a write's request, and 500 ms before the
        // progress display goes.
        const std::size_t bytes =
            kRequestFrame + DataFrameBytes(cloneFile) + kEndFrame + (write ? kResultFrame : 0);
        const double lineTime = static_cast<double>(bytes) * kSecondsPerByte;
        const double requestTime = static_cast<double>(kRequestFrame) * kSecondsPerByte;
        const double floor =
            write ? 0.2 + std::max(0.2, requestTime) + 0.2 + (lineTime - requestTime) + 0.5
                  : 0.2 + std::max(0.2, lineTime) + 0.5;
        state.counters["bytes"] = static_cast<double>(bytes);
        state.counters["floor_s"] = floor;
        state.counters["wall_s"] = wall;
        state.counters["wall_per_floor"] = wall / floor;
        state.counters["cpu_share"] = wall > 0 ? cpu / wall : 0;
        state.counters["reads"] = static_cast<double>(calls.reads);
        state.counters["writes"] = static_cast<double>(calls.writes);
        state.counters["syscalls"] = static_cast<double>(calls.Total());
        state.counters["wake_ups"] = static_cast<double>(calls.wakeUps);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void BM_PacedRead(benchmark::State& state) {
    PacedExchange(state, false);
}
void BM_PacedWrite(benchmark::State& state) {
    PacedExchange(state, true);
}

// One exchange takes 11 to 14 seconds, and a machine that shares its processors (a virtual
// one above all) now and then holds a byte back for milliseconds: the figures are the median
// (and mean and spread) of three exchanges, each against a simulator of its own.
BENCHMARK(BM_PacedRead)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_PacedWrite)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ql
