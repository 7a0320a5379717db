#include "base/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <system_error>

#include "base/RetryOnEintr.h"

namespace ql {

CInputFile::CInputFile(const std::filesystem::path& path) {
    // O_NONBLOCK only for the open: a FIFO nobody writes to would block it for good.
    const int fd = RetryOnEintr(
        [&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY); });
    if (fd < 0) {
        error_ = errno;
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error_ = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error_ = EISDIR;
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) error_ = errno;
    }
    if (error_ != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

CInputFile::~CInputFile() {
    if (fd_ >= 0) ::close(fd_);
}

CInputFile::int_type CInputFile::underflow() {
    if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (fd_ < 0) return traits_type::eof();
    if (error_ != 0) throw std::system_error(error_, std::generic_category(), "read");
    const ssize_t n = RetryOnEintr([&] { return ::read(fd_, buffer_.data(), buffer_.size()); });
    if (n < 0) {
        // As the standard file buffer does: the stream or line reader above turns this into
        // a failed input (badbit, LineStatus::Error); it never leaves them.
        error_ = errno;
        throw std::system_error(error_, std::generic_category(), "read");
    }
    if (n == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
    return traits_type::to_int_type(*gptr());
}

}  // namespace ql
