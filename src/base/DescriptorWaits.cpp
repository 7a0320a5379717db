#include "base/DescriptorWaits.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "base/RetryOnEintr.h"

namespace ql {

bool WaitWritable(int fd, std::chrono::milliseconds timeout) {
    pollfd entry{fd, POLLOUT, 0};
    const int ready =
        RetryOnEintr([&] { return ::poll(&entry, 1, static_cast<int>(timeout.count())); });
    return ready > 0 && (entry.revents & POLLOUT) != 0;
}

int SyncToDisk(int fd) {
    return RetryOnEintr([&] { return ::fsync(fd); }) == 0 ? 0 : errno;
}

}  // namespace ql
