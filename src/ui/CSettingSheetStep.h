#pragma once

#include "ui/CDataSetStep.h"

namespace ql::ui {

// One session of the Setting sheet: everything its pages wrote, the pages kept after a Cancel
// included.
class CSettingSheetStep final : public CDataSetStep {
  public:
    CSettingSheetStep();
};

}  // namespace ql::ui
