#pragma once

namespace ql {

// White space as the C library's isspace sees it in the "C" locale: blank, TAB, LF, VT, FF
// and CR. The one blank test of the system, whatever the user's locale.
[[nodiscard]] constexpr bool IsBlankAscii(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace ql
