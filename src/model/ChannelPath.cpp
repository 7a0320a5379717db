#include "model/ChannelPath.h"

#include <array>
#include <string_view>

namespace ql {

namespace {
constexpr std::array<std::string_view, 6> kEdges = {"1A", "1B", "2A", "2B", "3A", "3B"};
}  // namespace

std::string ChannelPath(Band band, unsigned channel) {
    const bool uhf = band == Band::kUhf;
    if (channel >= 1 && channel <= kLastMemoryChannel) {
        return (uhf ? "CH.MCH_430." : "CH.MCH_144.") + std::to_string(channel) + ".";
    }
    if (channel >= kFirstEdgeChannel && channel <= kLastEdgeChannel) {
        return std::string(uhf ? "CH.PCH_430." : "CH.PCH_144.") +
               std::string(kEdges.at(channel - kFirstEdgeChannel)) + ".";
    }
    if (channel == kCallChannel) return uhf ? "CH.CALL_430." : "CH.CALL_144.";
    return {};
}

}  // namespace ql
