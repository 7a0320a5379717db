#include "clone/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

extern char** environ;  // NOLINT: the process environment, read only

namespace ql::test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string BinaryPath(std::string_view name) {
    return std::string(QL_BIN_DIR) + "/" + std::string(name);
}

ChildProcess::ChildProcess(std::vector<std::string> argv, const ChildOptions& options) {
    std::map<std::string, std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const std::size_t eq = text.find('=');
        if (eq != std::string_view::npos) env[std::string(text.substr(0, eq))] = std::string(text);
    }
    for (const std::string& entry : options.environment)
        env[entry.substr(0, entry.find('='))] = entry;
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (auto& [name, entry] : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (std::string& arg : argv) args.push_back(arg.data());
    args.push_back(nullptr);

    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if ((options.stdoutFd < 0 && pipe2(outPipe, O_CLOEXEC) != 0) ||
        (options.stderrFd < 0 && pipe2(errPipe, O_CLOEXEC) != 0)) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(
        &actions, options.stdoutFd >= 0 ? options.stdoutFd : outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(
        &actions, options.stderrFd >= 0 ? options.stderrFd : errPipe[1], STDERR_FILENO);
    if (options.stdinFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, options.stdinFd, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A child starts with default signal handling and nothing blocked.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    const int failure =
        posix_spawn(&pid_, args[0], &actions, &attributes, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (outPipe[1] >= 0) ::close(outPipe[1]);
    if (errPipe[1] >= 0) ::close(errPipe[1]);
    out_ = outPipe[0];
    err_ = errPipe[0];
    if (failure != 0) {
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(failure);
        pid_ = -1;
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !status_) {
        Signal(SIGTERM);
        if (Wait(10s) == -1) Wait(5s);
    }
    for (const int fd : {out_, err_}) {
        if (fd >= 0) ::close(fd);
    }
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (const std::size_t end = pendingOut_.find('\n'); end != std::string::npos) {
            std::string line = pendingOut_.substr(0, end);
            pendingOut_.erase(0, end + 1);
            return line;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left <= 0ms || out_ < 0) return std::nullopt;
        pollfd entry{out_, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0) continue;
        std::array<char, 4096> buffer{};
        const ssize_t got = ::read(out_, buffer.data(), buffer.size());
        if (got <= 0) return std::nullopt;
        pendingOut_.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

void ChildProcess::Drain() {
    stdout_ += pendingOut_;
    pendingOut_.clear();
    for (const auto& [fd, text] : {std::pair{out_, &stdout_}, std::pair{err_, &stderr_}}) {
        if (fd < 0) continue;
        std::array<char, 4096> buffer{};
        for (;;) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got <= 0) break;
            text->append(buffer.data(), static_cast<std::size_t>(got));
        }
    }
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (status_) return *status_;
    if (pid_ <= 0) return -1;
    const auto deadline = Clock::now() + timeout;
    // Output is gathered while waiting, so a child that writes much never blocks on a pipe.
    for (;;) {
        int raw = 0;
        const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            Drain();
            return *status_;
        }
        if (Clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            return -1;
        }
        std::array<pollfd, 2> fds{{{out_, POLLIN, 0}, {err_, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), 20) > 0) {
            for (const auto& [fd, text] :
                 {std::pair{out_, &pendingOut_}, std::pair{err_, &stderr_}}) {
                pollfd one{fd, POLLIN, 0};
                if (fd < 0 || ::poll(&one, 1, 0) <= 0 || (one.revents & POLLIN) == 0) continue;
                std::array<char, 4096> buffer{};
                const ssize_t got = ::read(fd, buffer.data(), buffer.size());
                if (got > 0) text->append(buffer.data(), static_cast<std::size_t>(got));
            }
        }
    }
}

void ChildProcess::Signal(int signal) const {
    if (pid_ > 0 && !status_) ::kill(pid_, signal);
}

SimProcess::SimProcess(const std::filesystem::path& dir, std::vector<std::string> args)
    : link_(dir / "rz7400"), child_([&] {
          std::vector<std::string> argv{BinaryPath("rz7400-sim"), "--link", link_.string()};
          argv.insert(argv.end(), args.begin(), args.end());
          return argv;
      }()) {
    // Generous: a loaded machine may take long to start a process.
    device_ = child_.ReadLine(30s).value_or("");
    EXPECT_FALSE(device_.empty()) << "rz7400-sim printed no device";
}

std::vector<std::string> CliEnvironment(const std::filesystem::path& configDir) {
    return {"XDG_CONFIG_HOME=" + configDir.string(), "HOME=" + configDir.string()};
}

CliRun RunCli(const std::filesystem::path& configDir, std::vector<std::string> args) {
    args.insert(args.begin(), BinaryPath("ql7400-cli"));
    ChildProcess child(std::move(args), {CliEnvironment(configDir), -1});
    CliRun run;
    run.status = child.Wait(60s);
    run.out = child.Stdout();
    run.err = child.Stderr();
    return run;
}

std::string SettingsText(const std::filesystem::path& configDir) {
    return ReadFileBytes(configDir / "Orva" / "QL-7400.conf");
}

}  // namespace ql::test
