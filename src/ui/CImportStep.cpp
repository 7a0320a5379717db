#include "ui/CImportStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CImportStep::CImportStep() : CDataSetStep(Text(sid::kStepImport)) {}

}  // namespace ql::ui
