#include "cli/CInterruptibleInput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/RetryOnEintr.h"
#include "cli/CInterruptWatch.h"

namespace ql::cli {

CInterruptibleInput::int_type CInterruptibleInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    for (;;) {
        if (watch_.Interrupted()) return traits_type::eof();
        std::array<pollfd, 2> entries{{{fd_, POLLIN, 0}, {watch_.Descriptor(), POLLIN, 0}}};
        const nfds_t count = watch_.Descriptor() >= 0 ? 2 : 1;
        // A failure throws, as the standard file buffer does: the line reader above turns it
        // into a failed input.
        if (RetryOnEintr([&] { return ::poll(entries.data(), count, -1); }) < 0) {
            throw std::system_error(errno, std::generic_category(), "poll");
        }
        if (count == 2 && entries[1].revents != 0) continue;  // the check above answers
        if (entries[0].revents == 0) continue;
        const ssize_t got =
            RetryOnEintr([&] { return ::read(fd_, buffer_.data(), buffer_.size()); });
        if (got < 0) throw std::system_error(errno, std::generic_category(), "read");
        if (got == 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
        return traits_type::to_int_type(*gptr());
    }
}

}  // namespace ql::cli
