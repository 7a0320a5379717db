#pragma once

#include <string_view>

namespace ql {

// The hexadecimal digits of the data files, the clone frames and the DTMF codes: written
// in upper case, high nibble first.
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

[[nodiscard]] constexpr char HexDigit(unsigned nibble) {
    return kHexDigits[nibble & 0x0FU];
}

// The value of "0"-"9" and "A"-"F"; -1 for every other character, lower case included.
[[nodiscard]] constexpr int UpperHexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The same, also taking "a"-"f".
[[nodiscard]] constexpr int HexValue(char c) {
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return UpperHexValue(c);
}

}  // namespace ql
