#include "ui/CEditMemoryStep.h"

#include "ui/ChannelRow.h"
#include "ui/StringTable.h"

namespace ql::ui {

CEditMemoryStep::CEditMemoryStep(Band band, unsigned channel)
    : CDataSetStep(Text(sid::kStepEditMemory)
                       .arg(Text(band == Band::kVhf ? sid::kVhfFrame : sid::kUhfFrame),
                            QString::fromStdString(ChannelLabel(channel)))) {}

}  // namespace ql::ui
