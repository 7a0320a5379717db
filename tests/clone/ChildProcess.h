#pragma once

// Programs of the build run as child processes: the simulated transceiver and the
// command-line tool.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ql::test {

[[nodiscard]] std::string BinaryPath(std::string_view name);

struct ChildOptions {
    std::vector<std::string> environment;  // "NAME=value", over the current environment
    int stderrFd = -1;                     // else a pipe
    int stdoutFd = -1;                     // else a pipe
    int stdinFd = -1;                      // else /dev/null
};

class ChildProcess {
  public:
    explicit ChildProcess(std::vector<std::string> argv,
                          const ChildOptions& options = ChildOptions());
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // One line of standard output, waiting at most timeout; empty at the end or on time-out.
    [[nodiscard]] std::optional<std::string> ReadLine(std::chrono::milliseconds timeout);
    // The exit status (128 + n after signal n), waiting at most timeout (-1 on time-out,
    // after which the child is killed).
    int Wait(std::chrono::milliseconds timeout);
    void Signal(int signal) const;
    [[nodiscard]] pid_t Pid() const { return pid_; }

    // All output, once the child has ended.
    [[nodiscard]] const std::string& Stdout() const { return stdout_; }
    [[nodiscard]] const std::string& Stderr() const { return stderr_; }

  private:
    void Drain();

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::string pendingOut_;
    std::string stdout_;
    std::string stderr_;
    std::optional<int> status_;
};

// rz7400-sim on a link path of its own in dir, ready once it has printed its device.
class SimProcess {
  public:
    SimProcess(const std::filesystem::path& dir, std::vector<std::string> args = {});

    [[nodiscard]] const std::string& Device() const { return device_; }
    [[nodiscard]] const std::filesystem::path& Link() const { return link_; }
    ChildProcess& Process() { return child_; }

  private:
    std::filesystem::path link_;
    ChildProcess child_;
    std::string device_;
};

// ql7400-cli with its settings in dir ($XDG_CONFIG_HOME), run to its end.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};
[[nodiscard]] CliRun RunCli(const std::filesystem::path& configDir, std::vector<std::string> args);
[[nodiscard]] std::vector<std::string> CliEnvironment(const std::filesystem::path& configDir);

// The settings file that the programs share.
[[nodiscard]] std::string SettingsText(const std::filesystem::path& configDir);

}  // namespace ql::test
