#pragma once

#include <QString>
#include <string_view>

#include "model/ChannelPath.h"
#include "ui/ChannelRow.h"

namespace ql::ui {

// What the Edit Memory dialog says under its frequency box about the typed text: what OK
// will do that the user may not expect. A text that is no frequency above 0 and below
// 2000 MHz erases the channel (or, where a channel cannot be blank, leaves its frequency
// as it was); a frequency outside the version's bands for the band's list marks the
// channel illegal. Empty when there is nothing to say (an empty box included). The model
// is asked with queries that change nothing, about the text OK would send, and the note
// names the frequency by that text.
[[nodiscard]] QString FrequencyNote(std::string_view typed, Band band, const ChannelQuery& query,
                                    std::string_view prefix);

}  // namespace ql::ui
