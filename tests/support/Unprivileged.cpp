#include "support/Unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace ql::test {

namespace {

// The passwd entry of "nobody", looked up once per call without static state.
bool NobodyIds(uid_t& uid, gid_t& gid) {
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::string buffer(4096, '\0');
    if (::getpwnam_r("nobody", &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        return false;
    }
    uid = entry.pw_uid;
    gid = entry.pw_gid;
    return true;
}

}  // namespace

std::string UnprivilegedUnavailable() {
    if (::geteuid() != 0) return {};
    uid_t uid = 0;
    gid_t gid = 0;
    return NobodyIds(uid, gid) ? std::string() : "the system has no user \"nobody\"";
}

int RunUnprivileged(const std::filesystem::path& folder, const std::function<int()>& body) {
    const bool root = ::geteuid() == 0;
    uid_t uid = 0;
    gid_t gid = 0;
    if (root) {
        if (!NobodyIds(uid, gid)) return -1;
        if (::chown(folder.c_str(), uid, gid) != 0) return -1;
        // The temporary folders above are private to root; nobody must be able to pass.
        for (std::filesystem::path up = folder.parent_path(); !up.empty() && up != up.root_path();
             up = up.parent_path()) {
            struct stat info {};
            if (::stat(up.c_str(), &info) != 0) return -1;
            if ((info.st_mode & S_IXOTH) == 0 && ::chmod(up.c_str(), info.st_mode | 0111) != 0) {
                return -1;
            }
        }
    }
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)) {
            ::_exit(126);
        }
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::filesystem::path MakeWriteProtectedFile(const std::filesystem::path& parent) {
    const std::filesystem::path folder = parent / "user";
    std::filesystem::create_directory(folder);
    const std::filesystem::path file = folder / "kept.icf";
    std::ofstream(file, std::ios::binary) << "old";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    return file;
}

}  // namespace ql::test
