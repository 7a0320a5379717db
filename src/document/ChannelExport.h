#pragma once

#include <span>
#include <string>

#include "document/ChannelColumns.h"

namespace ql {

// A channel of one band's list: a band and its channel number (1-99 the memory channels).
struct ChannelRef {
    Band band = Band::kVhf;
    unsigned channel = 0;

    friend bool operator==(const ChannelRef&, const ChannelRef&) = default;
};

// The header line of the channel layout, with its line end.
[[nodiscard]] std::string ChannelHeaderLine(TextFormat format);

// The given channels in the channel layout, one line each in the order given, after the header
// line when header is set. Channels that are blank, and numbers outside the memory channels
// 1-99, are left out. Location is the channel number, the name loses its padding. Lines end
// in CR LF for CSV (as spreadsheets write it) and in LF for tab-separated text. Only queries
// go through query.
[[nodiscard]] std::string ExportChannels(const CommandQuery& query,
                                         std::span<const ChannelRef> channels, TextFormat format,
                                         bool header = true);

// The memory channels in use of one band or both (the UHF ones after the VHF ones).
[[nodiscard]] std::string ExportBands(const CommandQuery& query, BandChoice bands,
                                      TextFormat format);

}  // namespace ql
