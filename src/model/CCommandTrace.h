#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ql {

class CRadioData;

// The command trace of a bug report: every command text that the user interface sends to
// the radio data object, a TAB and its answer, one line each, appended to a file and
// written through as each command returns.
class CCommandTrace {
  public:
    // Opens path for appending; Ok() tells whether it could be opened.
    explicit CCommandTrace(const std::filesystem::path& path);
    ~CCommandTrace();
    CCommandTrace(const CCommandTrace&) = delete;
    CCommandTrace& operator=(const CCommandTrace&) = delete;

    [[nodiscard]] bool Ok() const { return fd_ >= 0; }
    [[nodiscard]] const std::string& Failure() const { return failure_; }

    void Record(std::string_view command, std::string_view answer);

    // Makes radio send each command and its answer to this trace. Detach before the trace
    // goes, or let the radio data object go first.
    void Attach(CRadioData& radio);

  private:
    int fd_ = -1;
    std::string failure_;
};

}  // namespace ql
