#include "model/CCommandTrace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "datafile/FileWriting.h"
#include "datafile/SystemError.h"
#include "model/CRadioData.h"

namespace ql {

CCommandTrace::CCommandTrace(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ < 0) failure_ = DescribeFailure(path.string(), errno);
}

CCommandTrace::~CCommandTrace() {
    if (fd_ >= 0) ::close(fd_);
}

void CCommandTrace::Record(std::string_view command, std::string_view answer) {
    if (fd_ < 0) return;
    std::string line;
    line.reserve(command.size() + answer.size() + 2);
    line.append(command).append("\t").append(answer).append("\n");
    // One write per line, straight to the file: each line is there as the command returns,
    // and a trace is no reason to stop the program when the disk is full.
    (void)WriteAll(fd_, line);
}

void CCommandTrace::Attach(CRadioData& radio) {
    radio.SetCommandObserver(
        [this](std::string_view command, std::string_view answer) { Record(command, answer); });
}

}  // namespace ql
