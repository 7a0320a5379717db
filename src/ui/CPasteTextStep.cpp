#include "ui/CPasteTextStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CPasteTextStep::CPasteTextStep() : CDataSetStep(PlainMenuText(cmd::kPasteText)) {}

}  // namespace ql::ui
