// The desktop application against its yardsticks:
// - start-up to a shown main window, against a bare QMainWindow program (time and idle
//   resident memory, each the median of several starts), and against a plain window of the
//   same parts (menu bar, status text, a 99 x 12 table) built with Qt alone;
// - a paced Clone in and Clone out through the document, with the progress dialog over a
//   shown main window, against the floor that the line rate and the protocol's pauses allow,
//   and the processor time as a share of the wall time;
// - the window's event loop during a paced Clone in and Clone out through the document: the
//   longest waits between two of its passes (99th percentile and maximum), as a 1 ms timer
//   sees them.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "LineRate.h"
#include "app/CQL7400Doc.h"
#include "base/LineReader.h"
#include "clone/CComPort.h"
#include "clone/CTonePlayer.h"
#include "desktop/CQtSettingsStore.h"
#include "ui/CUserPrompts.h"

namespace ql::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A child program whose standard output is read line by line.
class Child {
  public:
    Child(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> argStore = args;
        std::vector<char*> argv;
        for (std::string& arg : argStore) argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> envStore;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry(*e);
            const std::string name = entry.substr(0, entry.find('=') + 1);
            const bool overridden =
                std::any_of(environment.begin(), environment.end(),
                            [&](const std::string& own) { return own.starts_with(name); });
            if (!overridden) envStore.push_back(entry);
        }
        envStore.insert(envStore.end(), environment.begin(), environment.end());
        std::vector<char*> envp;
        for (std::string& entry : envStore) envp.push_back(entry.data());
        envp.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    // A probe ends by itself (and releases what it holds); anything else is stopped.
    ~Child() {
        if (out_ >= 0) close(out_);
        if (pid_ <= 0) return;
        for (int i = 0; i < 100; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
            usleep(20000);
        }
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    std::optional<std::string> Line(int timeoutMs = 30000) {
        std::string line;
        char c = 0;
        pollfd entry{out_, POLLIN, 0};
        while (poll(&entry, 1, timeoutMs) > 0 && read(out_, &c, 1) == 1) {
            if (c == '\n') return line;
            line.push_back(c);
        }
        return std::nullopt;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
};

std::filesystem::path MakeTempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ql7400-gbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Starts program a few times; the median time to "shown" and idle KiB.
struct StartFigures {
    double seconds = 0;
    double kib = 0;
};
StartFigures MeasureStarts(const std::string& program, int starts) {
    const std::filesystem::path dir = MakeTempDir();
    std::filesystem::create_directories(dir / "Orva");
    std::ofstream(dir / "Orva" / "QL-7400.conf") << "[SetupInfo]\n0000=1\n[Tip]\nStartUp=1\n";
    const std::vector<std::string> environment{"XDG_CONFIG_HOME=" + dir.string(),
                                               "XDG_RUNTIME_DIR=" + dir.string(),
                                               "QT_QPA_PLATFORM=offscreen"};
    std::vector<double> seconds;
    std::vector<double> kib;
    for (int i = 0; i < starts; ++i) {
        const auto started = Clock::now();
        Child child({std::string(QL_BIN_DIR) + "/" + program}, environment);
        if (child.Line() != "shown") break;
        seconds.push_back(std::chrono::duration<double>(Clock::now() - started).count());
        const std::optional<std::string> idle = child.Line();
        if (idle && idle->starts_with("idle ")) kib.push_back(std::stod(idle->substr(5)));
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return {Median(seconds), Median(kib)};
}

void BM_StartUpAgainstBareWindow(benchmark::State& state) {
    constexpr int kStarts = 11;
    StartFigures bare;
    StartFigures plain;
    StartFigures app;
    for (auto _ : state) {
        bare = MeasureStarts("ql7400-bare-window", kStarts);
        plain = MeasureStarts("ql7400-plain-window", kStarts);
        app = MeasureStarts("ql7400-app-window", kStarts);
        state.SetIterationTime(app.seconds);
    }
    if (bare.seconds <= 0 || plain.seconds <= 0 || app.seconds <= 0) {
        state.SkipWithError("a probe did not start");
    }
    const auto ratio = [](double part, double whole) { return whole > 0 ? part / whole : 0; };
    state.counters["bare_ms"] = bare.seconds * 1000;
    state.counters["plain_ms"] = plain.seconds * 1000;
    state.counters["app_ms"] = app.seconds * 1000;
    state.counters["time_ratio"] = ratio(app.seconds, bare.seconds);
    state.counters["time_per_plain"] = ratio(app.seconds, plain.seconds);
    state.counters["bare_rss_kib"] = bare.kib;
    state.counters["plain_rss_kib"] = plain.kib;
    state.counters["app_rss_kib"] = app.kib;
    state.counters["rss_ratio"] = ratio(app.kib, bare.kib);
    state.counters["rss_per_plain"] = ratio(app.kib, plain.kib);
}

// Every question answered OK, every box noted and dismissed.
class AnswerOk final : public ui::CUserPrompts {
  public:
    void SetOwner(QWidget* /*owner*/) override {}
    Answer OkCancel(const QString& /*text*/) override { return Answer::kOk; }
    Answer YesNoCancel(const QString& /*text*/) override { return Answer::kNo; }
    Answer YesNo(const QString& /*text*/) override { return Answer::kNo; }
    void Warning(const QString& /*text*/) override { ++warnings; }
    void WarningWithCause(const QString& /*text*/, const QString& /*cause*/) override {
        ++warnings;
    }
    void Information(const QString& /*text*/) override {}
    std::optional<QString> OpenFile(const QString& /*filter*/, const QString& /*folder*/) override {
        return std::nullopt;
    }
    std::optional<QString> SaveFile(const QString& /*suggested*/, const QString& /*filter*/,
                                    const QString& /*extension*/,
                                    const QString& /*folder*/) override {
        return std::nullopt;
    }
    int warnings = 0;
};

// The identification before every transfer: 200 ms, the request, 200 ms, the answer.
constexpr double kIdentification = 0.2 + 0.2;

// rz7400-sim at real line speed on port 1 of the settings.
// Its folder goes last, after the simulator has stopped.
struct PacedPeer {
    struct Folder {
        std::filesystem::path path = MakeTempDir();
        Folder() = default;
        Folder(const Folder&) = delete;
        Folder& operator=(const Folder&) = delete;
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } dir;
    std::string link = (dir.path / "rz7400").string();
    Child sim{{std::string(QL_BIN_DIR) + "/rz7400-sim", "--link", link, "--pace"}, {}};
    CQtSettingsStore settings;
    AnswerOk prompts;
    CSilentTones tones;

    // Whether the simulator runs; a benchmark without it is skipped with the reason.
    [[nodiscard]] bool Started(benchmark::State& state) {
        if (sim.Line()) return true;
        state.SkipWithError("rz7400-sim did not start");
        return false;
    }

    PacedPeer() {
        settings.SetString("CommPort", "Device1", link);
        settings.SetInt("CommPort", "PortNumber", 1);
    }
};

void PacedThroughDocument(benchmark::State& state, bool write) {
    PacedPeer peer;
    if (!peer.Started(state)) return;
    auto& [dir, link, sim, settings, prompts, tones] = peer;
    QMainWindow window;
    window.resize(620, 360);
    window.show();
    double wall = 0;
    double cpu = 0;
    std::size_t bytes = 0;
    {
        CQL7400Doc doc(settings, prompts, tones, std::make_unique<CComPort>());
        doc.SetWindow(&window);
        for (auto _ : state) {
            const auto started = Clock::now();
            const double cpuStarted = ProcessSeconds();
            if (write) {
                doc.OnCloneWrite();
            } else {
                doc.OnCloneRead();
            }
            cpu = ProcessSeconds() - cpuStarted;
            wall = std::chrono::duration<double>(Clock::now() - started).count();
            state.SetIterationTime(wall);
        }
        bytes = kRequestFrame + DataFrameBytes(doc.CloneFilePath()) + kEndFrame +
                (write ? kResultFrame : 0);
    }
    if (prompts.warnings != 0) state.SkipWithError("the exchange failed");
    const double lineTime = static_cast<double>(bytes) * kSecondsPerByte;
    const double requestTime = static_cast<double>(kRequestFrame) * kSecondsPerByte;
    const double floor = kIdentification + (write ? 0.2 + std::max(0.2, requestTime) + 0.2 +
                                                        (lineTime - requestTime) + 0.5
                                                  : 0.2 + std::max(0.2, lineTime) + 0.5);
    state.counters["floor_s"] = floor;
    state.counters["wall_s"] = wall;
    state.counters["wall_per_floor"] = wall / floor;
    state.counters["cpu_share"] = wall > 0 ? cpu / wall : 0;
}

// Measures how long a key press posted to the progress dialog waits until the dialog has it
// (and the exchange, which reads the cancel flag in the same turn, stops).
class KeyLatency final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && posted && !delivered) {
            delivered = Clock::now();
        }
        return QObject::eventFilter(watched, event);
    }
    void PostEscape(QWidget* dialog) {
        dialog->installEventFilter(this);
        posted = Clock::now();
        QCoreApplication::postEvent(
            dialog, std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier)
                        .release());
    }
    std::optional<Clock::time_point> posted;
    std::optional<Clock::time_point> delivered;
};

void BM_EscapeDuringPacedCloneIn(benchmark::State& state) {
    PacedPeer peer;
    if (!peer.Started(state)) return;
    auto& [dir, link, sim, settings, prompts, tones] = peer;
    QMainWindow window;
    window.show();
    KeyLatency latency;
    double waited = 0;
    {
        CQL7400Doc doc(settings, prompts, tones, std::make_unique<CComPort>());
        doc.SetWindow(&window);
        for (auto _ : state) {
            QTimer::singleShot(2000, [&] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (widget->isVisible() && widget->inherits("ql::ui::CProgressDlg")) {
                        latency.PostEscape(widget);
                    }
                }
            });
            doc.OnCloneRead();
        }
    }
    if (!latency.posted || !latency.delivered) {
        state.SkipWithError("the Escape key never reached the dialog");
    } else {
        waited = std::chrono::duration<double>(*latency.delivered - *latency.posted).count();
    }
    state.SetIterationTime(waited);
    state.counters["escape_ms"] = waited * 1000;
}

// A 1 ms timer on the window's thread: each gap between two of its timeouts is a wait of the
// event loop (a timeout due while the loop is busy comes late).
class LoopGaps final {
  public:
    LoopGaps() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            if (last_)
                gaps_.push_back(std::chrono::duration<double, std::milli>(now - *last_).count());
            last_ = now;
        });
    }
    void Start() {
        last_.reset();
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    [[nodiscard]] std::size_t Count() const { return gaps_.size(); }
    // The gap that p of all gaps do not exceed.
    [[nodiscard]] double Percentile(double p) const {
        if (gaps_.empty()) return 0;
        std::vector<double> sorted = gaps_;
        std::sort(sorted.begin(), sorted.end());
        const auto index = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
        return sorted[index];
    }
    [[nodiscard]] double Max() const {
        return gaps_.empty() ? 0 : *std::max_element(gaps_.begin(), gaps_.end());
    }

  private:
    QTimer timer_;
    std::optional<Clock::time_point> last_;
    std::vector<double> gaps_;
};

void LoopGapsThroughDocument(benchmark::State& state, bool write) {
    PacedPeer peer;
    if (!peer.Started(state)) return;
    auto& [dir, link, sim, settings, prompts, tones] = peer;
    QMainWindow window;
    window.resize(620, 360);
    window.show();
    LoopGaps gaps;
    {
        CQL7400Doc doc(settings, prompts, tones, std::make_unique<CComPort>());
        doc.SetWindow(&window);
        for (auto _ : state) {
            const auto started = Clock::now();
            gaps.Start();
            if (write) {
                doc.OnCloneWrite();
            } else {
                doc.OnCloneRead();
            }
            gaps.Stop();
            state.SetIterationTime(std::chrono::duration<double>(Clock::now() - started).count());
        }
    }
    if (prompts.warnings != 0) state.SkipWithError("the exchange failed");
    state.counters["gap_p99_ms"] = gaps.Percentile(0.99);
    state.counters["gap_max_ms"] = gaps.Max();
    state.counters["passes"] = static_cast<double>(gaps.Count());
}

void BM_PacedCloneInThroughDocument(benchmark::State& state) {
    PacedThroughDocument(state, false);
}
void BM_PacedCloneOutThroughDocument(benchmark::State& state) {
    PacedThroughDocument(state, true);
}
void BM_LoopGapsDuringPacedCloneIn(benchmark::State& state) {
    LoopGapsThroughDocument(state, false);
}
void BM_LoopGapsDuringPacedCloneOut(benchmark::State& state) {
    LoopGapsThroughDocument(state, true);
}

BENCHMARK(BM_StartUpAgainstBareWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedCloneInThroughDocument)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_EscapeDuringPacedCloneIn)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PacedCloneOutThroughDocument)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_LoopGapsDuringPacedCloneIn)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_LoopGapsDuringPacedCloneOut)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ql::bench

int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::filesystem::path config = ql::bench::MakeTempDir();
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    return 0;
}
