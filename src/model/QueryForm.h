#pragma once

#include <string_view>

namespace ql {

// How a value is read and answered: by its text, by its number (a range setting's stored
// number, a coded setting's list position, a frequency's hertz), or by its menu text,
// which every value treats like its text.
enum class QueryForm { ByString = 0, ByNumber = 1, ByMenuItemName = 2 };

// The form a word names; any other word (or none) means ByString.
[[nodiscard]] QueryForm FormOf(std::string_view word);

}  // namespace ql
