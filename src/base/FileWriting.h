#pragma once

#include <filesystem>
#include <string_view>

namespace ql {

// Writes all of data to fd, going on after partial writes. Returns 0 or an errno value.
int WriteAll(int fd, std::string_view data);

// Creates path or rewrites it in place with exactly text; returns 0 or an errno value.
// The file is not truncated to zero first: it is overwritten and then cut to its new
// length, which spares the file system a flush of the old contents on every save.
int RewriteFile(const std::filesystem::path& path, std::string_view text);

}  // namespace ql
