#pragma once

#include <string>

namespace ql {

// The two channel lists of the transceiver.
enum class Band { kVhf = 0, kUhf = 1 };

// The channels of a band's list: memory channels 1-99, the program-scan edges 1A-3B as
// 100-105 and the call channel as 106.
inline constexpr unsigned kListChannels = 106;
inline constexpr unsigned kLastMemoryChannel = 99;
inline constexpr unsigned kFirstEdgeChannel = 100;
inline constexpr unsigned kLastEdgeChannel = 105;
inline constexpr unsigned kCallChannel = kListChannels;

// The command prefix of channel number 1-106 of band's list ("CH.MCH_144.12.",
// "CH.PCH_430.2A.", "CH.CALL_144."); empty outside 1-106.
[[nodiscard]] std::string ChannelPath(Band band, unsigned channel);

}  // namespace ql
