#pragma once

#include <QString>
#include <cstddef>

#include "model/ChannelPath.h"

namespace ql::ui {

// The names of the undo steps that are more than a command's menu text (those are
// PlainMenuText): "Edit Memory VHF 12", "Bulk Edit (7 channels)".
[[nodiscard]] QString EditMemoryStepName(Band band, unsigned channel);
[[nodiscard]] QString BulkEditStepName(std::size_t channels);
// The name of the band as the texts of the window give it: "VHF", "UHF".
[[nodiscard]] QString BandName(Band band);

}  // namespace ql::ui
