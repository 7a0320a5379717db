#include "ui/FrequencyText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ql::ui {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
}  // namespace

double LeadingDecimal(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t point = pos++;
        std::size_t fraction = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
            ++fraction;
        }
        // "145." reads as 145; a lone "." is no number.
        if (fraction == 0) pos = point;
        digits += fraction;
    }
    if (digits == 0) return 0.0;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + pos, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = HUGE_VAL;
    else if (error != std::errc() || end != text.data() + pos)
        return 0.0;
    return negative ? -value : value;
}

std::string WithDecimalPoint(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), ',', '.');
    return result;
}

}  // namespace ql::ui
