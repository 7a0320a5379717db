#pragma once

#include "ui/CDataSetStep.h"

namespace ql::ui {

// A Paste Text: the rows of a spreadsheet put into the list from the selected row on.
class CPasteTextStep final : public CDataSetStep {
  public:
    CPasteTextStep();
};

}  // namespace ql::ui
