#include "ui/CBulkEditStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CBulkEditStep::CBulkEditStep(std::size_t channels)
    : CDataSetStep(Text(sid::kStepBulkEdit).arg(channels)) {}

}  // namespace ql::ui
