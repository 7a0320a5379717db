#include "model/CCommandTrace.h"

#include <cerrno>

#include "datafile/SystemError.h"
#include "model/CRadioData.h"

namespace ql {

CCommandTrace::CCommandTrace(const std::filesystem::path& path)
    : file_(std::fopen(path.c_str(), "ab")) {
    if (!file_) failure_ = DescribeFailure(path.string(), errno);
}

void CCommandTrace::Record(std::string_view command, std::string_view answer) {
    if (!file_) return;
    std::string line;
    line.reserve(command.size() + answer.size() + 2);
    line.append(command).append("\t").append(answer).append("\n");
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
}

void CCommandTrace::Attach(CRadioData& radio) {
    radio.SetCommandObserver(
        [this](std::string_view command, std::string_view answer) { Record(command, answer); });
}

}  // namespace ql
