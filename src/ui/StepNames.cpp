#include "ui/StepNames.h"

#include "ui/ChannelRow.h"
#include "ui/StringTable.h"

namespace ql::ui {

QString EditMemoryStepName(Band band, unsigned channel) {
    return Text(sid::kStepEditMemory)
        .arg(BandName(band), QString::fromStdString(ChannelLabel(channel)));
}

QString BulkEditStepName(std::size_t channels) {
    return Text(sid::kStepBulkEdit).arg(channels);
}

QString BandName(Band band) {
    return Text(band == Band::kVhf ? sid::kVhfBand : sid::kUhfBand);
}

}  // namespace ql::ui
