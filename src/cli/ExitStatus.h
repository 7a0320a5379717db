#pragma once

namespace ql::cli {

// Exit statuses of ql7400-cli besides the clone result codes (which are exit statuses too).
inline constexpr int kUsageStatus = 2;  // a wrong command line
inline constexpr int kFileStatus = 3;   // a data file could not be opened or saved

}  // namespace ql::cli
