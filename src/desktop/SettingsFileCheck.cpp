#include "desktop/SettingsFileCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <cerrno>
#include <string>

#include "base/RetryOnEintr.h"

namespace ql {

namespace {

// The settings are replaced through a new file in the same folder, so the folder must take a
// new file too; a probe file is made there and removed at once.
std::optional<int> FolderProblem(const std::filesystem::path& folder) {
    std::string probe = (folder / ".ql7400-probe-XXXXXX").string();
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    ::unlink(probe.c_str());
    struct statvfs space {};
    if (::statvfs(folder.c_str(), &space) == 0 && space.f_bavail == 0) return ENOSPC;
    return std::nullopt;
}

}  // namespace

std::optional<int> SettingsFileProblem(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return EISDIR;
        // Opening for appending changes nothing in the file.
        const int fd =
            RetryOnEintr([&] { return ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC); });
        if (fd < 0) return errno;
        ::close(fd);
    } else if (errno != ENOENT) {
        return errno;
    }
    // A folder that does not exist yet is made by the first write, inside the nearest one
    // that does.
    std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code ignored;
    while (!std::filesystem::exists(folder, ignored) && folder.has_relative_path()) {
        folder = folder.parent_path();
    }
    return FolderProblem(folder);
}

}  // namespace ql
