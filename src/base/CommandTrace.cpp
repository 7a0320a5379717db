#include "base/CommandTrace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/FileWriting.h"
#include "base/RetryOnEintr.h"
#include "base/SystemError.h"

namespace ql {

CCommandTrace::CCommandTrace(const std::filesystem::path& path) : path_(path) {
    fd_ = RetryOnEintr(
        [&] { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666); });
    if (fd_ < 0) failure_ = DescribeFailure(path.string(), errno);
}

CCommandTrace::~CCommandTrace() {
    Close();
}

CCommandTrace::CCommandTrace(CCommandTrace&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      failure_(std::move(other.failure_)) {}

CCommandTrace& CCommandTrace::operator=(CCommandTrace&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        failure_ = std::move(other.failure_);
    }
    return *this;
}

void CCommandTrace::Record(std::string_view command, std::string_view answer) {
    if (fd_ < 0) return;
    std::string line;
    line.reserve(command.size() + answer.size() + 2);
    line.append(command).append(1, '\t').append(answer).append(1, '\n');
    // With O_APPEND each write lands at the end, even when several programs share a file.
    if (const int error = WriteAll(fd_, line); error != 0) {
        failure_ = DescribeFailure(path_.string(), error);
        Close();
    }
}

void CCommandTrace::Close() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace ql
