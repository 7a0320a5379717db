#pragma once

#include "model/ChannelPath.h"
#include "ui/CDataSetStep.h"

namespace ql::ui {

// An Edit Memory OK: "Edit Memory VHF 12".
class CEditMemoryStep final : public CDataSetStep {
  public:
    CEditMemoryStep(Band band, unsigned channel);
};

}  // namespace ql::ui
