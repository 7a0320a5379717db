#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ql {

// Text that the kernel or another program wrote (sysfs attributes, /proc entries, device
// names) on its way to a menu or a terminal: read with a bound, and only printable ASCII
// passes, so no terminal escape, TAB or line end reaches the output.

// Every byte outside printable ASCII becomes '?'.
[[nodiscard]] std::string PrintableText(std::string_view text);

// At most limit bytes of a small file, without its trailing blanks and line ends, made
// printable; empty when the file cannot be read. Never waits on a FIFO.
[[nodiscard]] std::optional<std::string> ReadSmallFile(const std::filesystem::path& file,
                                                       std::size_t limit = 256);

// The last name of what a symbolic link points at ("ftdi_sio" for a driver link), made
// printable; empty when path is no link.
[[nodiscard]] std::string LinkTargetName(const std::filesystem::path& link);

}  // namespace ql
