#include "sim/CSimPty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

#include "base/SystemError.h"
#include "base/UniqueName.h"

namespace ql::sim {

namespace {

// Makes linkPath a symbolic link to device. Only an old symbolic link is replaced, never a
// file or anything else a user keeps there. The new link gets a random name beside the old
// one and is renamed over it, so the path never dangles. Returns an error text or "".
std::string PlaceLink(const std::string& device, const std::string& linkPath) {
    struct stat old {};
    if (::lstat(linkPath.c_str(), &old) == 0) {
        if (!S_ISLNK(old.st_mode)) {
            return linkPath + ": exists and is not a symbolic link; it was left alone";
        }
    } else if (errno != ENOENT) {
        return DescribeFailure(linkPath, errno);
    }
    const std::filesystem::path folder = std::filesystem::path(linkPath).parent_path();
    constexpr int kAttempts = 100;
    for (int i = 0; i < kAttempts; ++i) {
        const std::filesystem::path temporary = folder / UniqueName(".rz7400-sim-");
        if (::symlink(device.c_str(), temporary.c_str()) != 0) {
            if (errno == EEXIST) continue;
            return DescribeFailure(linkPath, errno);
        }
        if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
            const int failure = errno;
            ::unlink(temporary.c_str());
            return DescribeFailure(linkPath, failure);
        }
        return {};
    }
    return DescribeFailure(linkPath, EEXIST);
}

}  // namespace

CSimPty::~CSimPty() {
    if (!link_.empty()) {
        std::error_code error;
        if (std::filesystem::read_symlink(link_, error) == device_ && !error) {
            std::filesystem::remove(link_, error);
        }
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

void CSimPty::WaitUntilRead() const {
    using namespace std::chrono_literals;
    // Bytes written here reach the device's input a moment later, so one look that finds
    // nothing waiting proves little: the input must stay empty for a while.
    constexpr int kQuietLooks = 5;
    int quiet = 0;
    for (int i = 0; i < 500 && quiet < kQuietLooks; ++i) {
        std::this_thread::sleep_for(20ms);
        int waiting = 0;
        if (ioctl(slave_, FIONREAD, &waiting) != 0) return;
        quiet = waiting == 0 ? quiet + 1 : 0;
    }
}

bool CSimPty::Open(const std::string& linkPath, std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = DescribeFailure("pseudo-terminal", errno);
        return false;
    }
    std::array<char, 128> name{};
    if (ptsname_r(master_, name.data(), name.size()) != 0) {
        error = DescribeFailure("pseudo-terminal", errno);
        return false;
    }
    device_ = name.data();
    slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = DescribeFailure(device_, errno);
        return false;
    }
    termios tio{};
    if (tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        (void)tcsetattr(slave_, TCSANOW, &tio);
    }
    const int flags = fcntl(master_, F_GETFL);
    (void)fcntl(master_, F_SETFL, flags | O_NONBLOCK);

    if (const std::string refused = PlaceLink(device_, linkPath); !refused.empty()) {
        error = refused;
        return false;
    }
    link_ = linkPath;
    return true;
}

}  // namespace ql::sim
