#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ql {

// The environment variable that names the command trace file.
inline constexpr std::string_view kTraceVariable = "QL7400_TRACE";

// A log of the command texts sent to the radio data object and their answers, one line
// each ("command", a TAB, "answer"), appended to a file that a user can attach to a bug
// report. Every line is written with one system call as its command returns, so a crash
// loses nothing that was already answered. The file is opened once, in append mode.
class CCommandTrace {
  public:
    // A trace that records nothing.
    CCommandTrace() = default;
    // Opens path for appending, creating it; Failure() tells why when that failed.
    explicit CCommandTrace(const std::filesystem::path& path);
    ~CCommandTrace();
    CCommandTrace(CCommandTrace&& other) noexcept;
    CCommandTrace& operator=(CCommandTrace&& other) noexcept;
    CCommandTrace(const CCommandTrace&) = delete;
    CCommandTrace& operator=(const CCommandTrace&) = delete;

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    // Why the file could not be opened or written, naming it; empty when nothing failed.
    [[nodiscard]] const std::string& Failure() const { return failure_; }

    // Appends one line. A failed write is kept in Failure() and ends the trace: the
    // commands themselves go on.
    void Record(std::string_view command, std::string_view answer);

  private:
    void Close();

    int fd_ = -1;
    std::filesystem::path path_;
    std::string failure_;
};

}  // namespace ql
