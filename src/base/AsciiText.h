#pragma once

#include <string_view>

namespace ql {

// White space as the C library's isspace sees it in the "C" locale: blank, TAB, LF, VT, FF
// and CR. The one blank test of the system, whatever the user's locale.
[[nodiscard]] constexpr bool IsBlankAscii(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

[[nodiscard]] constexpr bool IsDigitAscii(char c) {
    return c >= '0' && c <= '9';
}

// text without the blanks at its ends.
[[nodiscard]] constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankAscii(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankAscii(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace ql
