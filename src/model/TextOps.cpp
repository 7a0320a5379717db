#include "model/TextOps.h"

#include <limits>

#include "base/AsciiText.h"

namespace ql {

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = ToUpperAscii(c);
    return upper;
}

std::string_view Field(std::string_view text, char separator, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) return {};
        start = at + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view Tail(std::string_view text, char separator, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) return {};
        start = at + 1;
    }
    return text.substr(start);
}

std::string_view Tail(std::string_view text, std::string_view separator) {
    const std::size_t at = text.find(separator);
    return at == std::string_view::npos ? std::string_view{} : text.substr(at + separator.size());
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
    }
    return true;
}

std::optional<std::int32_t> ScanDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankAscii(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    if (negative) {
        value = -value;
        if (value < std::numeric_limits<std::int32_t>::min()) {
            return std::numeric_limits<std::int32_t>::min();
        }
    } else if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::string BlankNonTextCharacters(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (!IsTextCharacter(c)) c = ' ';
    }
    return shown;
}

}  // namespace ql
