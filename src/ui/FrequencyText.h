#pragma once

#include <string>
#include <string_view>

namespace ql::ui {

// The number a frequency text starts with, after leading white space: an optional sign,
// digits, and an optional decimal point with more digits. A text that starts with no such
// number reads as 0. Neither the locale nor exponents play a part.
[[nodiscard]] double LeadingDecimal(std::string_view text);

// A frequency field can mean nothing but the decimal point by a comma: the text with each
// comma read as a point ("145,5" is 145.5 MHz, not 145 MHz).
[[nodiscard]] std::string WithDecimalPoint(std::string_view text);

}  // namespace ql::ui
