#include "clone/GroupAccess.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "clone/OutsideText.h"

namespace ql {

namespace {

constexpr std::size_t kEntryBuffer = 1 << 16;

bool InThisLogin(gid_t gid) {
    if (::getegid() == gid) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    if (got < 0) return false;
    groups.resize(static_cast<std::size_t>(got));
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

}  // namespace

std::optional<DeviceGroup> CheckDeviceGroup(const std::filesystem::path& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return std::nullopt;
    DeviceGroup result;
    result.group = std::to_string(info.st_gid);
    std::vector<std::string> members;
    std::string buffer(kEntryBuffer, '\0');
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr) {
        result.group = PrintableText(found->gr_name);
        for (char** member = found->gr_mem; member != nullptr && *member != nullptr; ++member) {
            members.emplace_back(*member);
        }
    }
    const uid_t uid = ::geteuid();
    result.user = std::to_string(uid);
    bool listed = false;
    passwd account{};
    passwd* user = nullptr;
    if (::getpwuid_r(uid, &account, buffer.data(), buffer.size(), &user) == 0 && user != nullptr) {
        const std::string name = user->pw_name;
        result.user = PrintableText(name);
        listed = user->pw_gid == info.st_gid ||
                 std::find(members.begin(), members.end(), name) != members.end();
    }
    if (InThisLogin(info.st_gid)) {
        result.membership = GroupMembership::kMember;
    } else {
        result.membership = listed ? GroupMembership::kNotInThisLogin : GroupMembership::kNotListed;
    }
    return result;
}

}  // namespace ql
