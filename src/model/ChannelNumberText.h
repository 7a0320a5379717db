#pragma once

#include <optional>
#include <string_view>

namespace ql {

// The channel number 1-106 of a band's list that a typed text names, white space around it
// ignored and letters in any case: a memory channel "1" to "99" (also "07"), a program-scan
// edge "1A" to "3B" (also as the list labels it, "P1A"), or the call channel "C" ("CALL").
// nullopt for any other text.
[[nodiscard]] std::optional<unsigned> ChannelNumberOf(std::string_view typed);

}  // namespace ql
