#include "model/ChannelNumberText.h"

#include <algorithm>
#include <string>

#include "base/AsciiText.h"
#include "model/ChannelPath.h"
#include "model/TextOps.h"

namespace ql {

std::optional<unsigned> ChannelNumberOf(std::string_view typed) {
    const std::string text = UpperAscii(TrimBlanks(typed));
    if (text == "C" || text == "CALL") return kCallChannel;

    if (!text.empty() && std::all_of(text.begin(), text.end(), IsDigitAscii)) {
        // At most two significant digits: "0099" is 99, a long run of digits is no channel.
        const std::size_t first = text.find_first_not_of('0');
        if (first == std::string::npos || text.size() - first > 2) return std::nullopt;
        unsigned number = 0;
        for (const char digit : std::string_view(text).substr(first)) {
            number = number * 10 + static_cast<unsigned>(digit - '0');
        }
        return number >= 1 && number <= kLastMemoryChannel ? std::optional<unsigned>(number)
                                                           : std::nullopt;
    }

    std::string_view edge = text;
    if (edge.size() == 3 && edge.front() == 'P') edge.remove_prefix(1);
    if (edge.size() == 2 && edge[0] >= '1' && edge[0] <= '3' &&
        (edge[1] == 'A' || edge[1] == 'B')) {
        return kFirstEdgeChannel + 2 * static_cast<unsigned>(edge[0] - '1') +
               (edge[1] == 'B' ? 1U : 0U);
    }
    return std::nullopt;
}

}  // namespace ql
