#pragma once

#include "ui/CDataSetStep.h"

namespace ql::ui {

// An Import CSV: every channel the file filled.
class CImportStep final : public CDataSetStep {
  public:
    CImportStep();
};

}  // namespace ql::ui
