#include "base/LinkTarget.h"

#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <climits>

namespace ql {

namespace {

// The rule the kernel applies to links in shared folders such as /tmp (sticky and writable
// for all): a link there is followed only when it belongs to the user or to the folder's
// owner, so another user cannot plant a link that makes a save overwrite a file of ours.
bool MayFollow(const std::filesystem::path& link, const struct stat& linkInfo) {
    std::filesystem::path folder = link.parent_path();
    if (folder.empty()) folder = ".";
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

}  // namespace

LinkTarget ResolveLinks(const std::filesystem::path& path) {
    constexpr int kMaxLinks = 40;  // as many as the kernel follows in one path
    std::filesystem::path current = path;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT) return {current, 0};
            return {current, errno};
        }
        if (!S_ISLNK(info.st_mode)) return {current, 0};
        if (hop == kMaxLinks) break;
        if (!MayFollow(current, info)) return {current, EACCES};
        std::array<char, PATH_MAX> text{};
        const ssize_t length = ::readlink(current.c_str(), text.data(), text.size());
        if (length < 0) return {current, errno};
        if (static_cast<std::size_t>(length) >= text.size()) return {current, ENAMETOOLONG};
        const std::filesystem::path next(
            std::string(text.data(), static_cast<std::size_t>(length)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {current, ELOOP};
}

}  // namespace ql
