#include "base/TempFile.h"

#include <unistd.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace ql {

std::filesystem::path TemporaryDirectory() {
    const char* tmpdir = std::getenv("TMPDIR");  // NOLINT(concurrency-mt-unsafe): read once
    if (tmpdir != nullptr) {
        const std::string_view dir(tmpdir);
        if (!dir.empty() && dir.front() == '/' &&
            dir.find_first_of("\"=") == std::string_view::npos) {
            return std::filesystem::path(dir);
        }
    }
    return "/tmp";
}

std::filesystem::path CreateTemporaryFile(std::string_view prefix) {
    std::string pattern = (TemporaryDirectory() / prefix).string() + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {};
    ::close(fd);
    return std::filesystem::path(name.data());
}

}  // namespace ql
