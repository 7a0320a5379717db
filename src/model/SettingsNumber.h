#pragma once

#include <optional>
#include <string_view>

namespace ql {

// The one rule by which every settings store reads an integer from a stored text: blanks
// and tabs around it are ignored, an optional sign, then decimal digits only, within the
// range of int. Anything else is no number (nullopt), and the reader takes its fallback.
[[nodiscard]] std::optional<int> ParseSettingNumber(std::string_view text);

}  // namespace ql
