#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ql {

// A channel list of 198 rows is some 20 KiB; a repeater directory may be far longer, but a
// file beyond this is none.
inline constexpr std::size_t kMaxChannelFileSize = 4 << 20;

// The whole text of a channel file of at most kMaxChannelFileSize bytes; nullopt, with error
// naming the file and the cause, when it cannot be read or is larger.
[[nodiscard]] std::optional<std::string> ReadChannelFile(const std::string& path,
                                                         std::string& error);

}  // namespace ql
