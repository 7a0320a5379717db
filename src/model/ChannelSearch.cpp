#include "model/ChannelSearch.h"

#include <charconv>
#include <limits>

#include "base/AsciiText.h"
#include "base/FixedDecimal.h"
#include "model/TextOps.h"

namespace ql {

namespace {
constexpr int kHertzDigits = 6;  // decimals of MHz down to 1 Hz

// MHz with an optional decimal point or comma, as hertz; nullopt for any other text, for a
// value finer than 1 Hz and for one that no frequency of the radio can be.
std::optional<std::uint32_t> HertzOf(std::string_view text) {
    const std::optional<std::int64_t> hertz = ParseFixedDecimal(text, kHertzDigits);
    if (!hertz || *hertz <= 0 || *hertz > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*hertz);
}

// The place after `place` in the order VHF 1-106, UHF 1-106, VHF 1 ...
ChannelPlace Following(ChannelPlace place) {
    if (place.channel < kListChannels) return {place.band, place.channel + 1};
    return {place.band == Band::kVhf ? Band::kUhf : Band::kVhf, 1};
}
}  // namespace

CChannelSearch::CChannelSearch(std::string_view typed)
    : text_(UpperAscii(TrimBlanks(typed))), hertz_(HertzOf(text_)) {}

bool CChannelSearch::Matches(std::string_view name, std::uint32_t hertz) const {
    if (text_.empty()) return false;
    if (hertz_ && *hertz_ == hertz) return true;
    return UpperAscii(TrimBlanks(name)).find(text_) != std::string::npos;
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
