#pragma once

#include "ui/CDataSetStep.h"

namespace ql::ui {

// A row command of the channel list over the current row or every selected row, named as its menu
// entry: "Paste", "Clear", "Delete", "Insert".
class CRowCommandStep final : public CDataSetStep {
  public:
    explicit CRowCommandStep(int command);
};

}  // namespace ql::ui
