#include "clone/OutsideText.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "base/RetryOnEintr.h"

namespace ql {

std::string PrintableText(std::string_view text) {
    std::string clean(text);
    for (char& c : clean) {
        if (c < 0x20 || c > 0x7E) c = '?';
    }
    return clean;
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& file, std::size_t limit) {
    const int fd = RetryOnEintr(
        [&] { return ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY); });
    if (fd < 0) return std::nullopt;
    std::string text(limit, '\0');
    std::size_t got = 0;
    bool failed = false;
    while (got < limit) {
        const ssize_t n = RetryOnEintr([&] { return ::read(fd, text.data() + got, limit - got); });
        if (n < 0) failed = true;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    (void)::close(fd);
    if (failed) return std::nullopt;
    text.resize(got);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t' ||
                             text.back() == '\r' || text.back() == '\0')) {
        text.pop_back();
    }
    return PrintableText(text);
}

std::string LinkTargetName(const std::filesystem::path& link) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(link, error);
    if (error) return {};
    return PrintableText(target.filename().string());
}

}  // namespace ql
