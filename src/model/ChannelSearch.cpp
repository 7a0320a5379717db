#include "model/ChannelSearch.h"

#include <algorithm>
#include <charconv>

#include "model/TextOps.h"

namespace ql {

namespace {
constexpr unsigned kMaxWholeDigits = 4;  // below 10 GHz
constexpr unsigned kHertzDigits = 6;     // decimals of MHz down to 1 Hz
constexpr std::uint64_t kHertzPerMhz = 1000000;

std::string_view TrimmedText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// MHz digits with an optional decimal point or comma, as hertz; nullopt for any other text
// and for a value finer than 1 Hz.
std::optional<std::uint32_t> HertzOf(std::string_view text) {
    const std::size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (whole.size() > kMaxWholeDigits) return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit)) {
        return std::nullopt;
    }
    std::uint64_t hertz = 0;
    for (const char digit : whole) hertz = hertz * 10 + static_cast<std::uint64_t>(digit - '0');
    hertz *= kHertzPerMhz;
    std::uint64_t scale = kHertzPerMhz;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        const auto digit = static_cast<std::uint64_t>(fraction[i] - '0');
        if (i >= kHertzDigits) {
            if (digit != 0) return std::nullopt;
            continue;
        }
        scale /= 10;
        hertz += digit * scale;
    }
    if (hertz == 0) return std::nullopt;
    return static_cast<std::uint32_t>(hertz);
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), ToUpperAscii);
    return upper;
}

// The place after `place` in the order VHF 1-106, UHF 1-106, VHF 1 ...
ChannelPlace Following(ChannelPlace place) {
    if (place.channel < kListChannels) return {place.band, place.channel + 1};
    return {place.band == Band::kVhf ? Band::kUhf : Band::kVhf, 1};
}
}  // namespace

CChannelSearch::CChannelSearch(std::string_view typed)
    : text_(UpperCase(TrimmedText(typed))), hertz_(HertzOf(text_)) {}

bool CChannelSearch::Matches(std::string_view name, std::uint32_t hertz) const {
    if (text_.empty()) return false;
    if (hertz_ && *hertz_ == hertz) return true;
    return UpperCase(TrimmedText(name)).find(text_) != std::string::npos;
}

std::optional<ChannelPlace> FindChannel(const CChannelSearch& search, ChannelPlace after,
                                        const ChannelQueryFn& query) {
    if (search.IsEmpty() || after.channel < 1 || after.channel > kListChannels) {
        return std::nullopt;
    }
    ChannelPlace place = after;
    do {
        place = Following(place);
        const std::string prefix = ChannelPath(place.band, place.channel);
        if (query(prefix + "APPEAR") == "OFF") continue;
        const std::string frequency = query(prefix + "FREQUENCY.ByNumber");
        std::uint32_t hertz = 0;
        const auto [end, error] =
            std::from_chars(frequency.data(), frequency.data() + frequency.size(), hertz);
        if (error != std::errc()) hertz = 0;
        if (search.Matches(query(prefix + "NAME"), hertz)) return place;
    } while (place != after);
    return std::nullopt;
}

}  // namespace ql
