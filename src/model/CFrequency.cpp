#include "model/CFrequency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace ql {

void CFrequency::SetHz(std::int64_t hz) {
    hz_ = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(hz, 0, std::numeric_limits<std::int32_t>::max()));
}

bool CFrequency::SetFromMHzText(std::string_view text) {
    text = text.substr(0, 15);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    // from_chars reads like a plain decimal scan but never consults the locale.
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double x = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
    if (ec != std::errc() || !std::isfinite(x)) return false;
    if (negative) x = -x;
    x = std::min(x + 0.0000005, 2000.0);
    if (x < 0.0) {
        hz_ = 0;
        return true;
    }
    const auto micro = static_cast<std::int64_t>(x * 1000000.0);
    const auto whole = static_cast<std::int64_t>(x);
    SetHz((micro % 1000000) + whole * 1000000);
    return true;
}

std::string CFrequency::MHzText() const {
    char buffer[24];
    const int n =
        std::snprintf(buffer, sizeof buffer, "%ld.%04ld", static_cast<long>(hz_ / 1000000),
                      static_cast<long>((hz_ % 1000000) / 100));
    return {buffer, static_cast<std::size_t>(std::max(n, 0))};
}

}  // namespace ql
