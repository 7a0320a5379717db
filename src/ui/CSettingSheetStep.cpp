#include "ui/CSettingSheetStep.h"

#include "ui/StringTable.h"

namespace ql::ui {

CSettingSheetStep::CSettingSheetStep() : CDataSetStep(PlainMenuText(cmd::kCommonSetting)) {}

}  // namespace ql::ui
