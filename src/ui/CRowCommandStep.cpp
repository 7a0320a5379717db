#include "ui/CRowCommandStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CRowCommandStep::CRowCommandStep(int command) : CDataSetStep(PlainMenuText(command)) {}

}  // namespace ql::ui
