#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ql {

// The n-th piece (from 0) of text split at separator; "" when there are fewer separators.
[[nodiscard]] std::string_view Field(std::string_view text, char separator, int n);
// Everything after the n-th occurrence of separator; "" when there are fewer (n = 0: all).
[[nodiscard]] std::string_view Tail(std::string_view text, char separator, int n);
// Everything after the first occurrence of separator; "" when it does not occur.
[[nodiscard]] std::string_view Tail(std::string_view text, std::string_view separator);

[[nodiscard]] constexpr char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
// text with its letters a-z made capitals.
[[nodiscard]] std::string UpperAscii(std::string_view text);
// The characters a free text of the data set may hold (the clone comment): 0x20 to 0x7F.
[[nodiscard]] constexpr bool IsTextCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u <= 0x7F;
}
// text with every character outside that set (control characters, bytes above 0x7F) turned
// into a blank, as the data set keeps such a text; safe to show on a terminal.
[[nodiscard]] std::string BlankNonTextCharacters(std::string_view text);

// Equal when the texts differ only in the case of the letters A-Z.
[[nodiscard]] bool EqualsNoCase(std::string_view a, std::string_view b);

// Reads a decimal number the way "%d" scans it: leading white space, an optional sign,
// digits up to the first non-digit. nullopt when no digit follows. Saturates at the
// limits of 32 bits instead of overflowing.
[[nodiscard]] std::optional<std::int32_t> ScanDecimal(std::string_view text);

}  // namespace ql
