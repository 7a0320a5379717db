#include "base/FileWriting.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>

#include "base/DescriptorWaits.h"
#include "base/RetryOnEintr.h"

namespace ql {

namespace {
// How long a full pipe or device may hold up a write before it counts as failed.
constexpr std::chrono::milliseconds kWriteStall{10000};
}  // namespace

int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = RetryOnEintr([&] { return ::write(fd, data.data(), data.size()); });
        if (n < 0 && errno == EAGAIN && WaitWritable(fd, kWriteStall)) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;  // no progress and no cause: never loop on it
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int RewriteFile(const std::filesystem::path& path, std::string_view text) {
    const int fd =
        RetryOnEintr([&] { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666); });
    if (fd < 0) return errno;
    int error = WriteAll(fd, text);
    if (error == 0 &&
        RetryOnEintr([&] { return ::ftruncate(fd, static_cast<off_t>(text.size())); }) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace ql
