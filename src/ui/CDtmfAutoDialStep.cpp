#include "ui/CDtmfAutoDialStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CDtmfAutoDialStep::CDtmfAutoDialStep() : CDataSetStep(PlainMenuText(cmd::kDtmfAutoDial)) {}

}  // namespace ql::ui
