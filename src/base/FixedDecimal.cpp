#include "base/FixedDecimal.h"

namespace ql {

namespace {
constexpr std::size_t kMaxWholeDigits = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

std::optional<std::int64_t> ParseFixedDecimal(std::string_view text, int decimals) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::int64_t value = 0;
    std::size_t whole = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++whole) {
        if (whole == kMaxWholeDigits) return std::nullopt;
        value = value * 10 + (text[pos] - '0');
    }
    int fraction = 0;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos, ++fraction) {
            if (fraction < decimals) {
                value = value * 10 + (text[pos] - '0');
            } else if (text[pos] != '0') {
                return std::nullopt;
            }
        }
        if (whole == 0 && fraction == 0) return std::nullopt;
    } else if (whole == 0) {
        return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;
    for (; fraction < decimals; ++fraction) value *= 10;
    return value;
}

std::string FormatFixedDecimal(std::int64_t value, int decimals) {
    if (value < 0) value = 0;
    std::string digits = std::to_string(value);
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

}  // namespace ql
