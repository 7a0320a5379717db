#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/ChannelPath.h"

namespace ql {

// What Find looks for in the channels: a part of a channel name, in any letter case and
// without the name's padding, or a frequency typed as a user would ("145.5", "145,5",
// "145.500000" are all 145.5 MHz), compared as a number in hertz. A text that reads as a
// frequency also finds the names that contain it.
class CChannelSearch {
  public:
    explicit CChannelSearch(std::string_view typed);

    // True when there is nothing to look for.
    [[nodiscard]] bool IsEmpty() const { return text_.empty(); }
    // The frequency the text names, when it reads as one.
    [[nodiscard]] std::optional<std::uint32_t> Hertz() const { return hertz_; }

    // True for a channel with this name (as stored, padded) and this frequency in hertz.
    [[nodiscard]] bool Matches(std::string_view name, std::uint32_t hertz) const;

  private:
    std::string text_;  // trimmed, upper case
    std::optional<std::uint32_t> hertz_;
};

// A channel of one band's list (1-106).
struct ChannelPlace {
    Band band = Band::kVhf;
    unsigned channel = 1;
    friend bool operator==(const ChannelPlace&, const ChannelPlace&) = default;
};

// Sends one query command text to the radio data and returns its answer.
using ChannelQueryFn = std::function<std::string(std::string_view command)>;

// The first channel in use after `after` that matches, going through the VHF list 1-106,
// then the UHF list, and round again to `after` itself; blank channels are passed over.
// nullopt when no channel matches (or there is nothing to look for).
[[nodiscard]] std::optional<ChannelPlace> FindChannel(const CChannelSearch& search,
                                                      ChannelPlace after,
                                                      const ChannelQueryFn& query);

}  // namespace ql
