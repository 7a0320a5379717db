#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ql {

enum class GroupMembership {
    kMember,          // the running program has the group
    kNotListed,       // the account is not in the group at all
    kNotInThisLogin,  // the account database lists it, but this login began before
};

// The group that owns a device node and where the user running the program stands to it.
struct DeviceGroup {
    std::string group;  // its name, or its number when it has none
    std::string user;
    GroupMembership membership = GroupMembership::kMember;
};

// Empty when the node cannot be looked at.
[[nodiscard]] std::optional<DeviceGroup> CheckDeviceGroup(const std::filesystem::path& device);

}  // namespace ql
