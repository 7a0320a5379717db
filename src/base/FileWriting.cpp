#include "base/FileWriting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include <chrono>
#include "base/LinkTarget.h"

#include "base/DescriptorWaits.h"
#include "base/RetryOnEintr.h"
#include "base/SystemError.h"
#include "base/UniqueName.h"

namespace ql {

namespace {

constexpr std::string_view kTemporaryPrefix = ".ql7400-";

FileSaveResult SystemFailure(int error) {
    return {SaveFailure::System, error};
}

// A new file beside the target that exists only while a save runs: removed when the object
// goes unless it was renamed over the target.
class CReplacementFile {
  public:
    explicit CReplacementFile(const std::filesystem::path& folder) {
        constexpr int kAttempts = 100;
        for (int i = 0; i < kAttempts; ++i) {
            std::filesystem::path candidate = folder / UniqueName(kTemporaryPrefix);
            // The kernel applies the umask to 0666, as for any new file of the user's.
            fd_ = RetryOnEintr([&] {
                return ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            });
            if (fd_ >= 0) {
                path_ = std::move(candidate);
                return;
            }
            if (errno != EEXIST) break;
        }
        error_ = errno;
    }
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;
    ~CReplacementFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    [[nodiscard]] int Fd() const { return fd_; }
    [[nodiscard]] int OpenError() const { return error_; }

    // Gives the file the old file's mode, and its owner and group as far as the user may.
    [[nodiscard]] int TakeOver(const struct stat& old) const {
        struct stat mine {};
        if (::fstat(fd_, &mine) != 0) return errno;
        if (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) {
            // Only root may give a file away; anyone may pass it to a group of their own.
            if (::fchown(fd_, old.st_uid, old.st_gid) != 0 &&
                ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) {
                return errno;
            }
        }
        // After the change of owner, which clears the set-user and set-group bits.
        if ((mine.st_mode & 07777) == (old.st_mode & 07777) && mine.st_uid == old.st_uid) return 0;
        return ::fchmod(fd_, old.st_mode & 07777) == 0 ? 0 : errno;
    }

    [[nodiscard]] int Write(std::string_view text, Durability durability) {
        int error = WriteAll(fd_, text);
        if (error == 0) error = Flush(durability);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && error == 0) error = errno;
        return error;
    }

    // Puts the file in the target's place. A flushed file is renamed over the target. A
    // deferred one trades places with it and the old file is removed afterwards: renaming
    // over an old file makes ext4 start writing the new one at once, and the next save then
    // waits for those writes, which costs more than the whole save otherwise does.
    [[nodiscard]] int TakePlaceOf(const std::filesystem::path& target, Durability durability,
                                  bool replacing) {
        if (replacing && durability == Durability::Deferred &&
            ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
            ::unlink(path_.c_str());  // now the old file
            path_.clear();
            return 0;
        }
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }

  private:
    [[nodiscard]] int Flush(Durability durability) const;

    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
};

// Makes the file's contents reach the disk before its new name does, so that a crash shows
// the old file or the new one whole. A deferred save leaves the writing to the system: a
// started write would make the removal of the file it replaces at the next save wait for
// the disk.
int CReplacementFile::Flush(Durability durability) const {
    if (durability == Durability::Deferred) return 0;
    return SyncToDisk(fd_);
}

// Makes a rename in folder last: without this a crash may bring the old name back.
int FlushFolder(const std::filesystem::path& folder) {
    const int fd =
        RetryOnEintr([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) return errno;
    // Some file systems cannot flush a folder; the rename is then as lasting as they allow.
    int error = SyncToDisk(fd);
    if (error == EINVAL) error = 0;
    ::close(fd);
    return error;
}

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

int FileSaveResult::ErrorNumber() const {
    if (Ok()) return 0;
    return failure == SaveFailure::System && error != 0 ? error : EINVAL;
}

std::string FileSaveResult::Cause() const {
    switch (failure) {
        case SaveFailure::None:
            return "saved";
        case SaveFailure::NotRegularFile:
            return "not a regular file";
        case SaveFailure::System:
            break;
    }
    return DescribeErrno(error);
}

FileSaveResult SaveFile(const std::filesystem::path& path, std::string_view text,
                        Durability durability) {
    if (path.empty()) return SystemFailure(ENOENT);
    const LinkTarget target = ResolveLinks(path);
    if (target.error != 0) return SystemFailure(target.error);

    struct stat old {};
    bool replacing = false;
    if (::lstat(target.path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return {SaveFailure::NotRegularFile, 0};
        // A write-protected file stays as it is, although its folder would allow the rename.
        if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
            return SystemFailure(errno);
        }
        replacing = true;
    } else if (errno != ENOENT) {
        return SystemFailure(errno);
    }

    std::filesystem::path folder = target.path.parent_path();
    if (folder.empty()) folder = ".";
    CReplacementFile replacement(folder);
    if (replacement.Fd() < 0) return SystemFailure(replacement.OpenError());
    if (replacing) {
        if (const int error = replacement.TakeOver(old); error != 0) return SystemFailure(error);
    }
    if (const int error = replacement.Write(text, durability); error != 0) {
        return SystemFailure(error);
    }
    if (const int error = replacement.TakePlaceOf(target.path, durability, replacing); error != 0) {
        return SystemFailure(error);
    }
    if (durability == Durability::Flushed) {
        if (const int error = FlushFolder(folder); error != 0) return SystemFailure(error);
    }
    return {};
}

}  // namespace ql
