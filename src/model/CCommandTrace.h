#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace ql {

class CRadioData;

// The command trace of a bug report: every command text that the user interface sends to
// the radio data object, a TAB and its answer, one line each, appended to a file and
// flushed as each command returns.
class CCommandTrace {
  public:
    // Opens path for appending; Ok() tells whether it could be opened.
    explicit CCommandTrace(const std::filesystem::path& path);

    [[nodiscard]] bool Ok() const { return file_ != nullptr; }
    [[nodiscard]] const std::string& Failure() const { return failure_; }

    void Record(std::string_view command, std::string_view answer);

    // Makes radio send each command and its answer to this trace for as long as both live.
    void Attach(CRadioData& radio);

  private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, Closer> file_;
    std::string failure_;
};

}  // namespace ql
