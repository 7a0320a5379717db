#pragma once

#include "ui/CDataSetStep.h"

namespace ql::ui {

// A DTMF AutoDial OK.
class CDtmfAutoDialStep final : public CDataSetStep {
  public:
    CDtmfAutoDialStep();
};

}  // namespace ql::ui
