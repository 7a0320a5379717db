#pragma once

#include <filesystem>

namespace ql {

struct LinkTarget {
    std::filesystem::path path;  // the first path in the chain that is not a symbolic link
    int error = 0;               // 0, or the errno value that stopped the resolution
};

// Follows path while it names a symbolic link, to the file that the link chain names; that
// file need not exist (a dangling link names the file a save creates). Relative link texts
// count from the folder of the link. A chain of more than 40 links gives ELOOP; a link of
// another user in a sticky folder that all may write (such as /tmp) gives EACCES, as the
// kernel's own protection against planted links does.
[[nodiscard]] LinkTarget ResolveLinks(const std::filesystem::path& path);

}  // namespace ql
