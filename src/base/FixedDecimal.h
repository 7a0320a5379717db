#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ql {

// Reads a non-negative decimal number as an integer count of 10^-decimals units: "146.52"
// with 6 decimals is 146520000. The decimal separator may be a point or a comma (as
// spreadsheets of many languages write it); blanks around the number are allowed, nothing
// else is. Digits beyond the decimals must be zeros, so no value is silently cut. nullopt
// for anything else, and for numbers of more than 12 whole digits. Never follows the locale.
[[nodiscard]] std::optional<std::int64_t> ParseFixedDecimal(std::string_view text, int decimals);

// value (in 10^-decimals units, not negative) with exactly decimals digits after a point:
// 600000 with 6 decimals is "0.600000".
[[nodiscard]] std::string FormatFixedDecimal(std::int64_t value, int decimals);

}  // namespace ql
