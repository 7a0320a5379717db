#include "sim/CSimPty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

#include "base/SystemError.h"

namespace ql::sim {

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

    // A new link beside the old one, renamed over it, so the path never dangles.
    const std::string temporary = linkPath + ".new";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (::symlink(device_.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        error = DescribeFailure(linkPath, errno);
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    link_ = linkPath;
    return true;
}

}  // namespace ql::sim
