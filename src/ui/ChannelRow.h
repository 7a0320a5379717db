#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "model/ChannelPath.h"

namespace ql::ui {

// The channel numbers of one band as the list shows them: 1-99 memory channels, 100-105 the
// program-scan edges 1A, 1B, 2A, 2B, 3A, 3B, 106 the call channel (see ChannelPath.h).
inline constexpr unsigned kChannelCount = kListChannels;

[[nodiscard]] constexpr bool IsEdgeChannel(unsigned channel) {
    return channel >= kFirstEdgeChannel && channel <= kLastEdgeChannel;
}

// The columns of the list.
enum ChannelColumn : int {
    kColLabel,
    kColFrequency,
    kColDuplex,
    kColOffset,
    kColName,
    kColTone,
    kColRepeaterTone,
    kColSquelchTone,
    kColSkip,
    kColStep,
    kColMode,
    kColEmpty,
    kColumnCount
};

// A cell holds at most this many characters.
inline constexpr std::size_t kCellCapacity = 31;

// Sends one query command text and returns its answer.
using ChannelQuery = std::function<std::string(std::string_view command)>;
using ChannelRowTexts = std::array<std::string, kColumnCount>;

// The row label: "01".."99", "P1A".."P3B", "CALL" (as the list shows it, trimmed).
[[nodiscard]] std::string ChannelLabel(unsigned channel);

// The twelve cell texts of a channel, built from fresh queries with the channel's command
// prefix. A blank channel shows only its label.
[[nodiscard]] ChannelRowTexts BuildChannelRow(const ChannelQuery& query, std::string_view prefix,
                                              unsigned channel);

// text without white space at both ends.
[[nodiscard]] std::string_view Trimmed(std::string_view text);
// text without white space at its end.
[[nodiscard]] std::string_view TrimmedRight(std::string_view text);

}  // namespace ql::ui
