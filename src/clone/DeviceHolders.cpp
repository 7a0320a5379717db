#include "clone/DeviceHolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <system_error>

#include "clone/OutsideText.h"

namespace ql {

namespace fs = std::filesystem;

namespace {

// A process folder's name as a pid; 0 for anything else.
int PidOf(const std::string& name) {
    int pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    return error == std::errc() && end == name.data() + name.size() && pid > 0 ? pid : 0;
}

// Whether one of the process's descriptors is the device; false with complete cleared when
// they cannot be read.
bool HoldsDevice(const fs::path& process, dev_t device, bool& complete) {
    std::error_code error;
    fs::directory_iterator it(process / "fd", error);
    if (error) {
        // A process that ended meanwhile hides nothing.
        if (error != std::errc::no_such_file_or_directory) complete = false;
        return false;
    }
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        // Only what lies in /dev is looked at closer: a stat of a file on a network mount
        // that hangs would hang here too.
        std::error_code linkError;
        if (!fs::read_symlink(it->path(), linkError).string().starts_with("/dev/")) continue;
        struct stat info {};
        if (::stat(it->path().c_str(), &info) == 0 && S_ISCHR(info.st_mode) &&
            info.st_rdev == device) {
            return true;
        }
    }
    if (error) complete = false;
    return false;
}

}  // namespace

HolderSearch FindDeviceHolders(const fs::path& device, const fs::path& procRoot) {
    HolderSearch search;
    struct stat node {};
    if (::stat(device.c_str(), &node) != 0 || !S_ISCHR(node.st_mode)) return search;
    const int self = static_cast<int>(::getpid());
    std::error_code error;
    for (fs::directory_iterator it(procRoot, error), end; !error && it != end;
         it.increment(error)) {
        const int pid = PidOf(it->path().filename().string());
        if (pid == 0 || pid == self) continue;
        if (!HoldsDevice(it->path(), node.st_rdev, search.complete)) continue;
        search.holders.push_back({pid, ReadSmallFile(it->path() / "comm", 64).value_or("?")});
    }
    if (error) search.complete = false;
    std::sort(search.holders.begin(), search.holders.end(),
              [](const DeviceHolder& a, const DeviceHolder& b) { return a.pid < b.pid; });
    return search;
}

std::string DescribeHolders(const std::vector<DeviceHolder>& holders) {
    std::string text;
    for (const DeviceHolder& holder : holders) {
        if (!text.empty()) text += ", ";
        text += PrintableText(holder.program) + " (pid " + std::to_string(holder.pid) + ")";
    }
    return text;
}

}  // namespace ql
